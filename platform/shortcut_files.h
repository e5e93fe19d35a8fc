#pragma once

#include "platform/result.h"

#include <string>

namespace tessaly {

// The files beside a shortcut: the private temporary it is written to, its
// move into place, and what earlier runs left. Paths are UTF-8.
class ShortcutFiles {
public:
    virtual ~ShortcutFiles() = default;
    // Creates a new empty file beside `linkFilePath`, under a name tied to
    // that shortcut and as long as its name (platform/temporary_names.h),
    // that only the user and the system may open. First removes what earlier
    // runs for the same shortcut left: temporaries last written over a minute
    // ago, so that one another run is still writing is never taken from it.
    virtual HResult CreateTemporary(const std::string& linkFilePath,
                                    std::string* temporaryPath) = 0;
    // Checks that `from` still has the private rights CreateTemporary gave
    // it (a file made anew under its name would have its folder's), writes it
    // through to the disk, then puts it in the place of `to` in one step,
    // replacing any file there; returns once the move is on disk too.
    virtual HResult Replace(const std::string& from, const std::string& to) = 0;
    // Deletes a file; one that is already gone is no failure.
    virtual void Remove(const std::string& path) = 0;
    // True when `path` names a folder that exists.
    virtual bool FolderExists(const std::string& path) = 0;
};

}  // namespace tessaly
