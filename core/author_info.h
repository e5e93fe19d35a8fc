#ifndef TESSALY_CORE_AUTHOR_INFO_H
#define TESSALY_CORE_AUTHOR_INFO_H

// Who made Tessaly and where to find them: the one place these are written.
// The resource script includes this file too (windres defines RC_INVOKED and
// reads only the #defines), and the release's build reads it, so the
// dialogs, the package and the code name the same ones.
#define TESSALY_AUTHOR_NAME "林晓"
#define TESSALY_AUTHOR_EMAIL "tessaly@example.org"
// The home page, with its trailing slash so that page names can be appended.
#define TESSALY_AUTHOR_WEB_ADDRESS "http://www.example.org/"

#ifndef RC_INVOKED
namespace tessaly {

constexpr char kAuthorWebAddress[] = TESSALY_AUTHOR_WEB_ADDRESS;
constexpr char kProgramsPage[] = TESSALY_AUTHOR_WEB_ADDRESS "default.asp?cateID=5";
constexpr char kFeedbackPage[] =
    TESSALY_AUTHOR_WEB_ADDRESS "LoadMod.asp?plugins=GuestBookForPJBlog";

}  // namespace tessaly
#endif

#endif  // TESSALY_CORE_AUTHOR_INFO_H
