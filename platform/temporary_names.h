#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The temporary file a shortcut is written to before it takes its place: the
// shortcut's file name without ".lnk", then "~" and three lowercase
// hexadecimal digits ("正常登陆QQ 10001~3f2" for "正常登陆QQ 10001.lnk").
// Tied to its shortcut by name, so that a run stopped between the save and
// the move (a crash, a kill, a power cut) leaves a file the next run for the
// same shortcut can recognise and remove; exactly as long as the shortcut's
// own name, so that its path fits wherever the shortcut's does. The digits
// keep two runs from claiming one name.
std::string TemporaryNameFor(std::string_view linkFileName, unsigned suffix);

// True when `fileName` has exactly that form for `linkFileName`; a name that
// merely looks like it ("...~3F2", "...~3f2.txt", "...~3f") is someone
// else's file.
bool IsTemporaryNameFor(std::string_view fileName, std::string_view linkFileName);

// A file name pattern (FindFirstFileW's "*") that every temporary name for
// `linkFileName` matches, among others: IsTemporaryNameFor has the last word.
std::string TemporaryNamePattern(std::string_view linkFileName);

}  // namespace tessaly
