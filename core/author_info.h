#pragma once

// Who made Tessaly and where to find them. Every text that shows the author's
// address, e-mail or credit takes it from here (the resource script is checked
// against these values by a test, since windres cannot include them).
namespace tessaly {

// The home page, with its trailing slash so that page names can be appended.
constexpr char kAuthorWebAddress[] = "http://www.example.org/";
constexpr char kAuthorEmail[] = "tessaly@example.org";
constexpr char kAuthorCredit[] = "作者:林晓";

constexpr char kProgramsPage[] = "http://www.example.org/default.asp?cateID=5";
constexpr char kFeedbackPage[] = "http://www.example.org/LoadMod.asp?plugins=GuestBookForPJBlog";

}  // namespace tessaly
