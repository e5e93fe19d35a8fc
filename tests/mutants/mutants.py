"""The faults the mutation run plants, one at a time.

Each is (name, file, text, replacement): the file's first occurrence of `text`
becomes `replacement`. Every one is a plausible slip, not a crash: a test
suite that lets one through has a blind spot.
"""

MUTANTS = [
    # core/: the hash and the shortcut's composition
    ("md5-rotation", "core/md5_digest.cpp",
     "Step<F>(a, b, c, d, x[0], 7, 0xd76aa478);", "Step<F>(a, b, c, d, x[0], 8, 0xd76aa478);"),
    ("md5-last-block-skipped", "core/md5_digest.cpp", "i + 63 < length", "i + 64 < length"),
    ("md5-padding-boundary", "core/md5_digest.cpp", "index < 56 ? 56 - index", "index <= 56 ? 56 - index"),
    ("md5-length-words-swapped", "core/md5_digest.cpp", "StoreLittleEndian(bitCount[0], &lengthBytes[0]);",
     "StoreLittleEndian(bitCount[0], &lengthBytes[4]);"),
    ("md5-uppercase-hex", "core/md5_digest.cpp", '"0123456789abcdef"', '"0123456789ABCDEF"'),
    # Survives: the MD5 state lives in a stack frame the program reuses at once,
    # so the memory scan of the running program finds no copy, wiped or not.
    ("md5-state-not-wiped", "core/md5_digest.cpp",
     "    SecureWipe(state, sizeof state);\n", ""),
    # A secret that grows in place leaves its old buffer unwiped.
    ("secret-grown-in-place", "core/secret_text.h",
     "        if (text_.size() + more.size() > text_.capacity()) {", "        if (false) {"),
    ("wipe-dead-store", "core/secure_wipe.cpp",
     "volatile unsigned char* bytes = static_cast<volatile unsigned char*>(data);",
     "unsigned char* bytes = static_cast<unsigned char*>(data);\n    return;"),
    ("hash-pad-bits", "core/password_hash.cpp", 'bits += "0000";', 'bits += "000";'),
    ("hash-alphabet", "core/password_hash.cpp", "0123456789+/", "0123456789/+"),
    ("prefix-typo", "core/login_mode.cpp", '"隐身登陆QQ "', '"隐身登录QQ "'),
    ("status-swapped", "core/login_mode.cpp", 'return "40";', 'return "10";'),
    ("description-crlf", "core/login_shortcut.cpp", 'linkName + "\\n"', 'linkName + "\\r\\n"'),
    ("target-separator", "core/login_shortcut.cpp", '"\\\\QQ.exe"', '"QQ.exe"'),
    ("utf16-no-surrogates", "core/path_length.h", "byte >= 0xF0 ? 2 : 1", "1"),
    ("path-limit-off-by-one", "core/path_length.h", "Utf16Length(utf8) > kMaxPathLength",
     "Utf16Length(utf8) >= kMaxPathLength"),
    # A constant tests once took their expectation from.
    ("web-address-typo", "core/author_info.h", '"http://www.example.org/"', '"http://www.example.org"'),

    # platform/: registry, code page, shell link
    ("triple-space-overlap", "platform/registry_lookups.cpp", "at = found + kRun.size()", "at = found + 1"),
    ("quotes-kept", "platform/registry_lookups.cpp", "folder.front() == '\"'", "folder.front() == '\\''"),
    # Gone: "key-all-access" (the key opened for writing); RegGetValueW opens
    # it for reading itself, and no access mask is written in the code.
    # A 32-bit program on 64-bit Windows reading the 64-bit view: caught by the
    # WoW64 run, which only the 32-bit path has.
    ("registry-64-bit-view", "platform/win32/win32_registry_reader.cpp", "RRF_RT_REG_SZ, nullptr",
     "RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr"),
    ("probe-answer-ignored", "scripts/wine-arch.sh", 'if [ $code = 0 ]; then', "if true; then"),
    ("any-type-taken", "platform/win32/win32_registry_reader.cpp", "RRF_RT_REG_SZ, nullptr", "RRF_RT_ANY, nullptr"),
    ("not-expanded", "platform/win32/win32_registry_reader.cpp", "RRF_RT_REG_SZ, nullptr",
     "RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr"),
    ("registry-buffer-short", "platform/win32/win32_registry_reader.cpp",
     "DWORD size = sizeof buffer;", "DWORD size = sizeof buffer - 2;"),
    ("best-fit-allowed", "platform/win32/win32_code_page_encoder.cpp",
     "utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS", "utf8 ? WC_ERR_INVALID_CHARS : 0"),
    ("default-char-ignored", "platform/win32/win32_code_page_encoder.cpp",
     "!= size ||\n        usedDefault) {", "!= size) {"),
    ("utf8-invalid-accepted", "platform/win32/win32_code_page_encoder.cpp",
     "utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS", "utf8 ? 0 : WC_NO_BEST_FIT_CHARS"),
    # Gone: "com-never-released" (the hand-made ComPtr's Release dropped); the
    # shell link's interfaces are held by WRL's ComPtr, which is Microsoft's.
    ("held-target-invented", "platform/win32/win32_shell_links.cpp",
     "return link_->GetPath(text, size, nullptr, SLGP_RAWPATH);",
     'return lstrcpynW(text, L"C:\\\\QQ.exe", size) != nullptr ? S_OK : E_FAIL;'),
    # Registry text: constants, length 1, ill-formed UTF-16.
    ("desktop-subkey-typo", "platform/registry_lookups.cpp", '"Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders"',
     '"Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folder"'),
    ("utf8-one-unit-dropped", "text/utf_conversion.cpp",
     "    if (wide.empty()) {\n        return 0;", "    if (wide.size() < 2) {\n        return 0;"),
    ("registry-text-lenient", "platform/win32/win32_registry_reader.cpp",
     "std::optional<std::string> utf8 = text::WellFormedWideToUtf8(buffer);",
     "std::optional<std::string> utf8 = text::WideToUtf8(buffer);"),
    # Code page: one unit, and a system whose ANSI code page is UTF-8.
    ("encoder-one-unit-dropped", "platform/win32/win32_code_page_encoder.cpp", "if (text.empty()) {", "if (text.size() < 2) {"),
    ("encoder-asks-acp", "platform/win32/win32_code_page_encoder.cpp",
     "view(), systemCodePage_(),", "view(), GetACP(),"),
    ("encoder-assumes-utf8", "platform/win32/win32_code_page_encoder.cpp",
     "view(), systemCodePage_(),", "view(), CP_UTF8,"),
    # Shell link files: the temporary name, the move, the fields read back.
    ("temporary-name-longer", "platform/temporary_names.cpp", "int shift = 8;", "int shift = 12;"),
    # Survives: the leftovers of a shortcut's temporary names are removed just
    # before one is claimed, so an existing file of that name is only met in a
    # race with another process, which no test stages.
    ("temporary-name-reused", "platform/win32/win32_shortcut_files.cpp", "&attributes, CREATE_NEW,",
     "&attributes, CREATE_ALWAYS,"),
    ("move-refuses-existing", "platform/win32/win32_shortcut_files.cpp",
     "MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH", "MOVEFILE_WRITE_THROUGH"),
    ("move-failure-hidden", "platform/win32/win32_shortcut_files.cpp", "               ? S_OK\n               : LastError();",
     "               ? S_OK\n               : S_FALSE;"),
    ("description-read-as-arguments", "platform/win32/win32_shell_links.cpp",
     "return link_->GetDescription(text, size);", "return link_->GetArguments(text, size);"),

    # The shortcut as a credential: private, cleared up after, flushed, wiped, warned of.
    ("temporary-rights-inherited", "platform/win32/win32_shortcut_files.cpp",
     "GENERIC_WRITE, 0,\n                                            &attributes,",
     "GENERIC_WRITE, 0,\n                                            nullptr,"),
    ("everyone-may-read", "platform/win32/win32_shortcut_files.cpp", 'L"D:P(A;;FA;;;SY)', 'L"D:P(A;;FR;;;WD)(A;;FA;;;SY)'),
    # Windows would let the file inherit its folder's entries; Wine keeps no
    # such flag on a file, so only the descriptor itself shows it.
    ("dacl-not-protected", "platform/win32/win32_shortcut_files.cpp", 'L"D:P(A;;FA;;;SY)', 'L"D:(A;;FA;;;SY)'),
    ("leftovers-kept", "platform/win32/win32_shortcut_files.cpp",
     "if (IsTemporaryNameFor(name, linkName) && WrittenOverAMinuteAgo(", "if (false && WrittenOverAMinuteAgo("),
    # A run still writing its temporary loses it to another run's clean-up.
    ("fresh-temporary-swept", "platform/win32/win32_shortcut_files.cpp",
     "&& WrittenOverAMinuteAgo(found.ftLastWriteTime)) {",
     "&& (WrittenOverAMinuteAgo(found.ftLastWriteTime) || true)) {"),
    # A temporary made anew with its folder's rights is moved into place.
    ("rights-not-checked", "platform/win32/win32_shortcut_files.cpp",
     "        if (FAILED(rights)) {\n            return rights;", "        if (false) {\n            return rights;"),
    ("rights-compared-to-nothing", "platform/win32/win32_shortcut_files.cpp",
     "entries == DaclEntries(wanted.get())", "entries != DaclEntries(held.get())"),
    ("look-alike-removed", "platform/temporary_names.cpp",
     "if (std::string_view(kHexDigits).find(c)", 'if (std::string_view("0123456789abcdefABCDEF").find(c)'),
    ("flush-dropped", "platform/win32/win32_shortcut_files.cpp",
     "        if (!FlushFileBuffers(file.get())) {", "        if (false) {"),
    ("blank-desktop-taken", "ui/create_login_shortcut.cpp", "desktop.find_first_not_of(' ') != std::string::npos &&", "true &&"),
    ("missing-desktop-taken", "ui/create_login_shortcut.cpp", "services.files.FolderExists(desktop)", "true"),
    ("boxes-without-icon", "platform/win32/win32_message_presenter.cpp", "MB_OK | MB_ICONEXCLAMATION", "MB_OK"),
    # Gone: "freed-copies-kept" (the sweep of freed heap blocks skipped); the
    # sweep itself went, as no allocator promises to hand a freed block back.

    # ui/: the action, the dialog, the framework
    ("save-failure-as-success", "ui/create_login_shortcut.cpp",
     "    hr = link->Save(*temporary);\n    if (Failed(hr)) {", "    hr = link->Save(*temporary);\n    if (false) {"),
    ("link-held-during-message", "ui/create_login_shortcut.cpp",
     "    std::unique_ptr<ShellLink> link;", "    static std::unique_ptr<ShellLink> link;"),
    ("target-limit-dropped", "ui/create_login_shortcut.cpp", "if (ExceedsMaxPath(shortcut.targetPath)) {", "if (false) {"),
    ("target-not-read-back", "ui/create_login_shortcut.cpp",
     "if (Failed(link->GetPath(heldTarget)) || heldTarget->empty()) {",
     "if ((Failed(link->GetPath(heldTarget)) || heldTarget->empty()) && false) {"),
    ("password-not-encoded", "ui/create_login_shortcut.cpp",
     "Failed(services.codePage.Encode(request.password, &passwordBytes))",
     "(passwordBytes = request.password, false)"),
    ("c-root-doubled", "ui/create_login_shortcut.cpp", 'return "C:";', 'return "C:\\\\";'),
    # Write, verify, then replace, in that order, and faults that meet.
    ("saved-file-not-read-back", "ui/create_login_shortcut.cpp",
     "    outcome = CheckSaved(shortcut, heldTarget, *temporary, services.shellLinks);\n",
     "    (void)CheckSaved;\n"),
    ("final-path-read-back", "ui/create_login_shortcut.cpp", "CheckSaved(shortcut, heldTarget, *temporary,",
     "CheckSaved(shortcut, heldTarget, shortcut.linkFilePath,"),
    ("target-compared-as-given", "ui/create_login_shortcut.cpp", "CheckSaved(shortcut, heldTarget, *temporary,",
     "CheckSaved(shortcut, shortcut.targetPath, *temporary,"),
    ("description-not-compared", "ui/create_login_shortcut.cpp",
     "arguments != shortcut.arguments || description != shortcut.description",
     "arguments != shortcut.arguments"),
    ("temporary-left-behind", "ui/create_login_shortcut.cpp", "if (!outcome.Created() && !temporary.empty()) {",
     "if (!outcome.Created() && temporary.empty()) {"),
    ("load-failure-ignored", "ui/create_login_shortcut.cpp",
     "Failed(hr = link->Load(temporary)) ||", "(link->Load(temporary), false) ||"),
    # Where the file goes asked first, and its warning given with the refusal.
    ("desktop-before-password", "ui/create_login_shortcut.cpp",
     "    if (Failed(services.codePage.Encode(request.password, &passwordBytes))) {\n"
     "        return Outcome(ShortcutStep::PasswordNotInCodePage);\n    }\n    bool desktopUnknown = false;\n",
     "    bool desktopUnknown = false;\n    const std::string desktop = DesktopFolder(services, &desktopUnknown);\n"
     "    if (Failed(services.codePage.Encode(request.password, &passwordBytes))) {\n"
     "        ShortcutOutcome refused = Outcome(ShortcutStep::PasswordNotInCodePage);\n"
     "        refused.desktopUnknown = desktopUnknown;\n        return refused;\n    }\n"),
    # The outcome's texts, in the one file that chooses them.
    ("mismatch-message-typo", "ui/user_texts.cpp", "与所选路径不一致", "与所选路径不一样"),
    ("desktop-warning-last", "ui/user_texts.cpp", "    texts.push_back(OutcomeText(outcome));",
     "    texts.insert(texts.begin(), OutcomeText(outcome));"),
    ("guard-allows-ten", "ui/number_guard.cpp", "text.size() > kMaxNumberLength", "text.size() > kMaxNumberLength + 1"),
    ("guard-any-character", "ui/number_guard.cpp", "|| !allDigits", "|| (!allDigits && false)"),
    ("caret-not-moved", "ui/launcher_dialog.cpp",
     "EM_SETSEL, end, static_cast<LPARAM>(end)", "EM_SETSEL, end - end, static_cast<LPARAM>(end - end)"),
    # Copies of the password and of the command line kept alive after a
    # create: the memory scan of the running program sees them.
    ("request-kept", "ui/launcher_dialog.cpp",
     "    const LoginRequest request{installFolder, qqNumber, password, loginMode};",
     "    static LoginRequest request;\n    request = {installFolder, qqNumber, password, loginMode};"),
    ("shortcut-kept", "ui/create_login_shortcut.cpp",
     "    const LoginShortcut shortcut =\n        ComposeLoginShortcut(",
     "    static LoginShortcut shortcut;\n    shortcut = ComposeLoginShortcut("),
    ("boxes-unowned", "ui/launcher_dialog.cpp", "    services.ownMessageBoxes(Handle());\n", ""),
    ("invisible-sets-normal", "ui/launcher_dialog.cpp", "loginMode = Invisible;", "loginMode = Normal;"),
    ("password-limit-kept", "ui/launcher_dialog.cpp",
     "    SendMessageW(Item(IDC_PASSWORD), EM_SETLIMITTEXT, 0, 0);\n", ""),
    ("install-warning-silent", "ui/launcher_dialog.cpp",
     "        services.shortcut.messages.Show(kInstallFolderUnknownText);\n", ""),
    ("browse-drops-typing", "ui/launcher_dialog.cpp",
     "Edit([&] { installFolder = text::WideToUtf8(path); });",
     "installFolder = text::WideToUtf8(path);\n        UpdateData(false);"),
    # Survives: Wine's input method support puts every thread that makes a
    # window in a single-threaded apartment, so a missing one never shows.
    ("no-com-for-dialog", "ui/launcher_app.cpp", "    const win32::ScopedComInit com;\n", ""),
    ("window-text-drops-one", "ui/framework/data_exchange.h", "if (length <= 0) {", "if (length <= 1) {"),
    ("exchange-rewrites-equal", "ui/framework/data_exchange.cpp", "} else if (shown != member) {", "} else {"),
    # The password's own exchange, in ui/: its box never filled, or saved as nothing.
    ("secret-never-saved", "ui/secret_binding.cpp", "        member = shown;", "        member = SecretText();"),
    ("radio-both-checked", "ui/framework/data_exchange.cpp",
     "member == choice.value ? BST_CHECKED : BST_UNCHECKED", "BST_CHECKED"),
    ("focus-left-on-exit", "ui/launcher_dialog.cpp", "    return false;  // the focus is set", "    return true;"),
    ("about-unowned", "ui/launcher_dialog.cpp", "AboutBox(Handle()).RunModal();", "AboutBox(nullptr).RunModal();"),
    ("picker-unowned", "ui/launcher_dialog.cpp", "browse.hwndOwner = Handle();", "browse.hwndOwner = nullptr;"),
    # Wine hands the picker's caller the path as the display name; the dialog
    # test's picker answers as Windows does, with the item's name.
    ("picker-display-name", "ui/launcher_dialog.cpp", "installFolder = text::WideToUtf8(path);",
     "installFolder = text::WideToUtf8(displayName);"),
    ("focus-ignores-folder", "ui/launcher_dialog.cpp", "folderKnown ? IDC_QQ_NUMBER : IDC_BROWSE",
     "folderKnown ? IDC_QQ_NUMBER : IDC_QQ_NUMBER"),
    ("dpi-linked-directly", "ui/window_icons.cpp",
     'static const auto forWindow = UserFunction<DpiForWindow>("GetDpiForWindow");',
     "static DpiForWindow volatile forWindow = &GetDpiForWindow;"),
    # Survives: the overrun attacks that ended a copy of the tests through the
    # checked buffer functions went; the build check sees the calls, not where
    # a failed check leads.
    ("checked-buffer-failure-exits-zero", "app/stack_guard.cpp", "[[noreturn]] void __chk_fail() {\n    __stack_chk_fail();",
     "[[noreturn]] void __chk_fail() {\n    TerminateProcess(GetCurrentProcess(), 0);\n    __builtin_unreachable();"),
    ("canary-not-seeded", "app/stack_guard.cpp", "__attribute__((constructor(101), no_stack_protector))",
     "__attribute__((unused, no_stack_protector))"),

    ("stack-protector-dropped", "cmake/TessalyFlags.cmake",
     "target_compile_options(tessaly_hardening INTERFACE -fstack-protector-strong)", ""),
    ("tsaware-dropped", "cmake/TessalyFlags.cmake", " LINKER:--tsaware", ""),
    ("fortify-dropped", "cmake/TessalyFlags.cmake",
     "target_compile_definitions(tessaly_hardening INTERFACE _FORTIFY_SOURCE=2)", ""),
    ("nx-disabled", "cmake/TessalyFlags.cmake", "LINKER:--nxcompat", "LINKER:--disable-nxcompat"),
    # The hardening left off the program's libraries (reaching only what links it itself).
    ("hardening-not-linked", "core/CMakeLists.txt", "PUBLIC tessaly_hardening PRIVATE", "PRIVATE"),

    # Where dialogs open, and messages that fit the screen.
    ("dialog-not-centred", "ui/framework/dialog.cpp", "if (!placement.Moved()) {", "if (placement.Moved()) {"),
    ("about-box-over-screen", "ui/framework/dialog_placement.cpp",
     "overOwner ? BoundsOf(ownerRect) : workArea, workArea", "workArea, workArea"),
    ("centred-off-screen", "ui/framework/centred_bounds.h", "start + size > last ?", "start > last ?"),
    ("centred-whole-size-off", "ui/framework/centred_bounds.h", "from + (to - from - size) / 2",
     "from + (to - from) / 2 - size"),
    ("path-unbroken-at-separator", "ui/breakable_path.cpp",
     "        if (IsSeparator(byte)) {\n            text += kZeroWidthSpace;", "        if (IsSeparator(byte)) {"),
    ("long-name-unbroken", "ui/breakable_path.cpp", "piece == kLongestPiece &&", "piece == 1000 &&"),
    ("path-message-unbroken", "ui/user_texts.cpp",
     "const std::string path = BreakablePath(outcome.path);", "const std::string path = outcome.path;"),
    # The size work must keep the hardening the static check reads.
    ("fortify-lost-to-size", "cmake/TessalySize.cmake",
     "    ${PROJECT_SOURCE_DIR}/platform/win32/win32_shortcut_files.cpp)", ")"),

    # resources/: what the user sees
    ("about-menu-typo", "resources/Tessaly.rc", '"关于 Tessaly(&A)..."', '"关于 Tesaly(&A)..."'),
    ("password-unmasked", "resources/Tessaly.rc", "ES_PASSWORD | ES_AUTOHSCROLL", "ES_AUTOHSCROLL"),
    ("create-not-default", "resources/Tessaly.rc", 'DEFPUSHBUTTON   "创建快捷方式到桌面"',
     'PUSHBUTTON      "创建快捷方式到桌面"'),
    ("folder-box-disabled", "resources/Tessaly.rc", "ES_AUTOHSCROLL | ES_READONLY",
     "ES_AUTOHSCROLL | ES_READONLY | WS_DISABLED"),
    ("button-text-typo", "resources/Tessaly.rc", '"更多开源程序"', '"更多开原程序"'),
    ("radio-groups-again", "resources/Tessaly.rc", '"隐身登陆", IDC_MODE_INVISIBLE, "Button", BS_AUTORADIOBUTTON,',
     '"隐身登陆", IDC_MODE_INVISIBLE, "Button", BS_AUTORADIOBUTTON | WS_GROUP,'),
    ("label-after-its-box", "resources/Tessaly.rc",
     '    LTEXT           "QQ密码:", IDC_STATIC, 17, 70, 29, 8\n    EDITTEXT        IDC_PASSWORD, 93, 66, 144, 14, ES_PASSWORD | ES_AUTOHSCROLL\n',
     '    EDITTEXT        IDC_PASSWORD, 93, 66, 144, 14, ES_PASSWORD | ES_AUTOHSCROLL\n    LTEXT           "QQ密码:", IDC_STATIC, 17, 70, 29, 8\n'),
    ("per-monitor-dropped", "resources/Tessaly.manifest.in", "PerMonitorV2, PerMonitor", "unaware"),

    # packaging/: the release
    ("product-code-ignores-version", "cmake/TessalyMsi.cmake", 'NAME "product ${version}"', 'NAME "product"'),
    ("per-machine-by-default", "packaging/Tessaly.wxs", 'InstallScope="perUser"', 'InstallScope="perMachine"'),
    ("remembered-folder-after-costing", "packaging/Tessaly.wxs",
     '<Custom Action="RememberedMachineDir" Sequence="990">', '<Custom Action="RememberedMachineDir" Sequence="1005">'),
    ("shortcut-icon-dropped", "packaging/Tessaly.wxs", '\n                  Icon="Tessaly.ico"/>', "/>"),
    ("install-folder-misnamed", "packaging/Tessaly.wxs", '<Directory Id="INSTALLDIR" Name="Tessaly"/>',
     '<Directory Id="INSTALLDIR" Name="Tesaly"/>'),
    ("publisher-text-not-set", "packaging/Tessaly-texts.sql.in", "WHERE `Property` = 'Manufacturer'",
     "WHERE `Property` = 'Publisher'"),
    ("msi-summary-left-random", "cmake/TessalyMsi.cmake", "COMMAND ${CPACK_TESSALY_PYTHON} ${packaging}",
     "COMMAND true ${packaging}"),
    ("checksum-of-unsigned-exe", "cmake/TessalyMsi.cmake",
     "include(${CMAKE_CURRENT_LIST_DIR}/WriteChecksum.cmake)", ""),
    ("msi-left-unsigned", "cmake/TessalyMsi.cmake", "tessaly_sign(${msi})", ""),
    ("signed-with-sha1", "cmake/TessalySign.cmake", "-h sha256", "-h sha1"),
    ("sums-without-msi", "cmake/TessalyReleaseSums.cmake",
     "foreach(file IN LISTS CPACK_PACKAGE_FILES\n        ITEMS ${CPACK_PACKAGE_DIRECTORY}/Tessaly-${CPACK_PACKAGE_VERSION}.msi)",
     "foreach(file IN LISTS CPACK_PACKAGE_FILES)"),
    ("verify-keeps-signature", "scripts/verify-release.sh", 'mv "$work/unsigned.exe" "$work/Tessaly.exe"', "true"),
    ("verify-compares-nothing", "scripts/verify-release.sh", 'cmp -s "$work/Tessaly.exe" "$reference"',
     'cmp -s "$reference" "$reference"'),
    # The MSI's tables against the ICE rules, and what the documented commands leave.
    ("key-path-is-the-file", "packaging/Tessaly.wxs",
     'Source="$(var.ExeSource)"/>\n        <RegistryValue Id="InstallDir" Root="HKCU" Key="Software\\Tessaly" Name="InstallDir" Type="string"\n                       Value="[INSTALLDIR]" KeyPath="yes"/>',
     'Source="$(var.ExeSource)" KeyPath="yes"/>\n        <RegistryValue Id="InstallDir" Root="HKCU" Key="Software\\Tessaly" Name="InstallDir" Type="string"\n                       Value="[INSTALLDIR]" KeyPath="no"/>'),
    ("installdir-in-profile", "packaging/Tessaly.wxs",
     '<Directory Id="ProgramFilesFolder">\n        <Directory Id="INSTALLDIR" Name="Tessaly"/>',
     '<Directory Id="LocalAppDataFolder">\n        <Directory Id="INSTALLDIR" Name="Tessaly"/>'),
    ("allusers-unset", "packaging/Tessaly.wxs", '    <Property Id="ALLUSERS" Value="2"/>\n', ""),
    # Survives: Wine's msiexec does not implement MSIINSTALLPERUSER (it makes
    # ALLUSERS=2 1 whatever it says); only Windows would install per machine.
    ("not-per-user-by-default", "packaging/Tessaly.wxs", '    <Property Id="MSIINSTALLPERUSER" Value="1"/>\n', ""),
    ("installdir-not-secure", "cmake/TessalyMsi.cmake", "'INSTALLDIR;WIX_DOWNGRADE_DETECTED", "'WIX_DOWNGRADE_DETECTED"),
    ("machine-over-user-allowed", "packaging/Tessaly.wxs",
     '>ALLUSERS&lt;&gt;1 OR NOT USERINSTALLDIR OR MACHINEINSTALLDIR<', '>1<'),
    ("user-over-machine-allowed", "packaging/Tessaly.wxs", '>ALLUSERS=1 OR NOT MACHINEINSTALLDIR OR USERINSTALLDIR<', '>1<'),
    ("created-parent-not-removed", "packaging/Tessaly-tables.sql.in", "('RemoveParent1', 'Program', '', 'CREATEDPARENT1', 2)",
     "('RemoveParent1', 'Program', '', 'INSTALLDIR', 2)"),
    ("exe-removed-after-its-folders", "packaging/Tessaly-tables.sql.in",
     "VALUES ('RemoveExe', 'Program', 'Tessaly.exe', 'INSTALLDIR', 2)", "VALUES ('RemoveExe', 'Program', '', 'INSTALLDIR', 2)"),
    ("parent-counted-from-the-folder", "packaging/Tessaly-tables.sql.in", "VALUES ('Parent1', '[INSTALLDIR]\\..', 0)",
     "VALUES ('Parent1', '[INSTALLDIR]', 0)"),
    ("created-levels-forgotten", "packaging/Tessaly.wxs", 'Id="SavedMachineLevels" Root="HKLM" Key="Software\\Tessaly" Name="CreatedLevels"',
     'Id="SavedMachineLevels" Root="HKLM" Key="Software\\Tessaly" Name="Levels"'),
    # Survives: Wine has no Restart Manager; only Windows would leave a running
    # Tessaly.exe in place and ask for a restart (3010).
    ("restart-manager-not-asked", "packaging/Tessaly.wxs", '    <Property Id="MSIRMSHUTDOWN" Value="1"/>\n', ""),
    ("winget-hash-of-the-exe", "cmake/TessalyMsi.cmake", "file(SHA256 ${msi} msi_hash)",
     "file(SHA256 ${stage}/Tessaly.exe msi_hash)"),
    ("no-impersonate-bit-kept", "packaging/Tessaly-tables.sql.in",
     "UPDATE `CustomAction` SET `Type` = 51 WHERE `Type` = 2099\n", ""),
    ("machine-installdir-ignored", "packaging/Tessaly.wxs",
     'Sequence="990">ALLUSERS=1 AND NOT INSTALLDIR AND MACHINEINSTALLDIR<', 'Sequence="990">ALLUSERS=1<'),
    ("user-folder-not-read-back", "packaging/Tessaly.wxs",
     'Id="SavedUserDir" Root="HKCU" Key="Software\\Tessaly" Name="InstallDir"',
     'Id="SavedUserDir" Root="HKCU" Key="Software\\Tessaly" Name="InstallFolder"'),
    ("readme-folder-property-typo", "README.md", 'ALLUSERS=1 INSTALLDIR="D:\\Apps\\Tessaly" /qn` |',
     'ALLUSERS=1 INSTALLFOLDER="D:\\Apps\\Tessaly" /qn` |'),
    ("readme-powershell-braces-unquoted", "README.md", "-ArgumentList '/x {ProductCode} /qn'", "-ArgumentList /x, {ProductCode}, /qn"),
    ("winget-scope-switch-dropped", "packaging/winget/Tessaly.Tessaly.installer.yaml.in", "      Custom: ALLUSERS=1\n", ""),
    ("key-path-always-per-user", "packaging/Tessaly-tables.sql.in", "SET `Root` = -1", "SET `Root` = 1"),
    ("fourth-field-beside", "packaging/Tessaly-tables.sql.in", "'@version@', 258,", "'@version@', 2,"),
    ("install-location-before-costing", "packaging/Tessaly.wxs",
     '<Custom Action="InstallLocation" Sequence="1010"/>', '<Custom Action="InstallLocation" Sequence="990"/>'),
    ("file-version-unset", "packaging/Tessaly-tables.sql.in", "SET `Version` = '@version@', `Language`", "SET `Language`"),
    ("contact-missing", "packaging/Tessaly.wxs", '    <Property Id="ARPCONTACT" Value="$(var.Contact)"/>\n', ""),
]
