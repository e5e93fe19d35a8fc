#include "platform/win32/private_file.h"

#include "platform/win32/scoped_handles.h"

#include <sddl.h>

#include <vector>

namespace tessaly::win32 {

namespace {

// The SID of the user the process runs as, in its string form.
bool UserSid(std::wstring* sid) {
    ScopedHandle token;
    DWORD size = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive())) {
        return false;
    }
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    ScopedLocal<LPWSTR> text;
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid,
                                text.receive())) {
        return false;
    }
    *sid = text.get();
    return true;
}

}  // namespace

ScopedLocal<PSECURITY_DESCRIPTOR> PrivateSecurityDescriptor() {
    ScopedLocal<PSECURITY_DESCRIPTOR> descriptor;
    std::wstring sid;
    if (UserSid(&sid)) {
        // "P": protected, inheriting nothing; full access ("FA") for SYSTEM
        // and the user, and no entry for anyone else.
        const std::wstring dacl = L"D:P(A;;FA;;;SY)(A;;FA;;;" + sid + L")";
        ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl.c_str(), SDDL_REVISION_1,
                                                             descriptor.receive(), nullptr);
    }
    return descriptor;
}

HANDLE CreatePrivateFile(const std::wstring& path) {
    const ScopedLocal<PSECURITY_DESCRIPTOR> descriptor = PrivateSecurityDescriptor();
    if (descriptor.get() == nullptr) {
        return INVALID_HANDLE_VALUE;
    }
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor.get(), FALSE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace tessaly::win32
