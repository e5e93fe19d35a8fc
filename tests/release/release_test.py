#!/usr/bin/env python3
# The release, checked from outside the program (sha256sum, unzip, msiinfo,
# osslsigncode, lnkinfo; Wine's msiexec and registry files in WORK/wineprefix):
# release_test.py files BUILD VERSION | next BUILD WORK NEXT_VERSION (a later
# release, signed) | signing BUILD WORK VERSION NEXT_VERSION | install BUILD WORK
# VERSION NEXT_VERSION DEMO.exe
import hashlib
import os
import pwd
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import uuid

import yaml

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "support"))
from product_texts import PUBLISHER, START_MENU_DESCRIPTION, WEB_ADDRESS  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HARNESS = os.path.join(ROOT, "scripts", "wine-harness.sh")
SIGNER = "/CN=Tessaly test signer"
CONTACT = "tessaly@example.org"
MENU = ["{user}\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Tessaly.lnk",
        "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tessaly.lnk"]
PASSWORD = "throwaway-password"
# Where 32-bit programs cannot run, 64-bit Wine's msiexec installs the 32-bit
# package into a 64-bit prefix: it goes where Windows puts a 32-bit program.
WIN64 = os.environ.get("TESSALY_WINE_ARCH") == "win64"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    failures.extend([] if ok else [what])


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def release(folder, version):
    return (os.path.join(folder, f"Tessaly-{version}-win32.zip"),
            os.path.join(folder, f"Tessaly-{version}.msi"))


def zipped_exe(zip_path, folder):
    # The zip's Tessaly.exe, taken out into `folder`, its checksum checked.
    run("unzip", "-o", "-q", zip_path, "Tessaly.exe", "Tessaly.exe.sha256", "-d", folder)
    checksum = run("sha256sum", "-c", "Tessaly.exe.sha256", cwd=folder)
    check(checksum.returncode == 0, f"the zip's Tessaly.exe.sha256 matches its exe: {checksum.stdout.strip()}")
    return os.path.join(folder, "Tessaly.exe")


def files(build, version):
    zip_path, msi = release(build, version)
    sums = run("sha256sum", "-c", "SHA256SUMS", cwd=build).stdout
    check(sums.split() == [os.path.basename(zip_path) + ":", "OK", os.path.basename(msi) + ":", "OK"],
          "SHA256SUMS lists the zip and the MSI, and both match: " + sums.strip())
    names = sorted(run("unzip", "-Z1", zip_path).stdout.split())
    check(names == ["README.txt", "Tessaly.exe", "Tessaly.exe.sha256"], f"the zip holds {names}")
    with tempfile.TemporaryDirectory() as folder:
        exe = zipped_exe(zip_path, folder)
        check(read(exe) == read(os.path.join(build, "Tessaly.exe")), "the zip's exe is the build's")
        # A second build of the same sources, elsewhere: the same MSI.
        again = run("cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", folder)
        check(again.returncode == 0 and read(os.path.join(folder, os.path.basename(msi))) == read(msi),
              "a second build gives the same MSI")
    # Windows Installer compares a versioned file's version with the one on
    # disk; the exe's own is in its fixed version block.
    exe = read(os.path.join(build, "Tessaly.exe"))
    high, low = struct.unpack_from("<II", exe, exe.find(struct.pack("<I", 0xFEEF04BD)) + 8)
    rows = [tuple(row.split("\t")[i] for i in (0, 4, 5))
            for row in run("msiinfo", "export", msi, "File").stdout.split("\n")[3:-1]]
    check(rows == [("Tessaly.exe", f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}", "2052")],
          f"the File table gives Tessaly.exe its version and Chinese (2052): {rows}")
    # Word count 10: compressed files (2), installs with no elevation (8).
    check("Source: 10 (a)" in run("msiinfo", "suminfo", msi).stdout, "the summary: compressed, no elevation needed")


def next_release(build, work, next_version):
    # The later version built in WORK/build, signed with a throwaway certificate.
    os.makedirs(work, exist_ok=True)
    key, cert, pfx = (os.path.join(work, name) for name in ("key.pem", "cert.pem", "cert.pfx"))
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", SIGNER,
                    "-addext", "extendedKeyUsage=codeSigning", "-keyout", key, "-out", cert], check=True,
                   capture_output=True)
    subprocess.run(["openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", pfx, "-passout",
                    "pass:" + PASSWORD], check=True, capture_output=True)
    later = os.path.join(work, "build")
    subprocess.run(["cmake", "--preset", "windows", "-B", later, "-DTESSALY_TEST_VERSION=" + next_version,
                    "-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", later, "-j2", "--target", "Tessaly"], check=True, stdout=subprocess.DEVNULL)
    env = dict(os.environ, TESSALY_SIGN_PFX=pfx, TESSALY_SIGN_PASSWORD=PASSWORD)
    subprocess.run(["cpack", "--config", os.path.join(later, "CPackConfig.cmake")], cwd=later, env=env,
                   check=True, stdout=subprocess.DEVNULL)


def signing(build, work, version, next_version):
    later = os.path.join(work, "build")
    zip_path, msi = release(later, next_version)
    verify_release = os.path.join(ROOT, "scripts", "verify-release.sh")
    with tempfile.TemporaryDirectory() as folder:
        exe = zipped_exe(zip_path, folder)
        run("msiextract", "-C", folder, msi)
        inner = [os.path.join(d, f) for d, _, names in os.walk(folder) for f in names
                 if f == "Tessaly.exe" and d != folder]
        check(len(inner) == 1 and read(inner[0]) == read(exe), "the MSI holds the zip's signed exe")
        winget(later, next_version, msi)
        for name, path in (("zip's exe", exe), ("MSI", msi)):
            verify = run("osslsigncode", "verify", "-CAfile", os.path.join(work, "cert.pem"), "-in", path)
            check(verify.returncode == 0 and re.search(r"Message digest algorithm\s*: SHA256", verify.stdout) and all(
                text in verify.stdout for text in ("Subject: " + SIGNER, "Text description: Tessaly",
                                                   "URL description: " + WEB_ADDRESS)),
                  f"the {name} verifies against the certificate, SHA-256, with name and address")
        check(run("osslsigncode", "verify", "-in", os.path.join(later, "Tessaly.exe")).returncode != 0,
              "the build's own Tessaly.exe stays unsigned")
        for path in (zip_path, msi):
            accepted = run("bash", verify_release, path, "--against", os.path.join(later, "Tessaly.exe"))
            check(accepted.returncode == 0 and "signed by " + SIGNER in accepted.stdout,
                  f"verify-release accepts {os.path.basename(path)}, naming the signer: {accepted.stdout!r}")
        # Against another build's exe (the earlier version's), the same zip fails.
        rejected = run("bash", verify_release, zip_path, "--against", os.path.join(build, "Tessaly.exe"))
        check(rejected.returncode != 0 and "FAILED" in rejected.stderr, "verify-release rejects a different exe")


def deployment_table():
    # The cmd lines of the README's deployment table, each row's PowerShell
    # line (the last code in its cell) checked to give msiexec the same line.
    section = read(os.path.join(ROOT, "README.md")).decode().split("## Deploying the MSI")[1].split("\n## ")[0]
    rows = re.findall(r"^\| ([^|`]+) \| `([^`]+)` \| .*`([^`]+)` \|$", section, re.M)
    for what, cmd, ps in rows:
        listed = re.fullmatch(r"\(Start-Process msiexec -ArgumentList '(.*)' -Wait -PassThru\)\.ExitCode", ps)
        check("start /wait msiexec " + listed.group(1) == cmd if listed else  # or a double-quoted list's end
              ps[1:-1].replace('""', '"').replace("$env:TEMP", "%TEMP%").endswith(" " + cmd),
              f"README, {what}: cmd {cmd!r} and PowerShell {ps!r} give msiexec the same line")
    return [cmd for _, cmd, _ in rows]


class Prefix:
    # Wine's programs in WORK/wineprefix with a D: drive of its own, its files
    # and its registry (user.reg, system.reg).

    def __init__(self, work):
        self.env = dict(os.environ, TESSALY_WINEPREFIX=os.path.join(work, "wineprefix"))
        self.root, self.d_drive = run(HARNESS, "--prefix", env=self.env).stdout.strip(), os.path.join(work, "d-drive")
        # A new prefix each run: nothing a failed run installed stays behind.
        subprocess.run([HARNESS, "--stop"], env=self.env)
        subprocess.run(["rm", "-rf", self.root, self.d_drive], check=True)
        os.makedirs(self.d_drive)
        self.user = "C:\\users\\" + pwd.getpwuid(os.getuid()).pw_name

    def wine(self, *arguments):
        result = subprocess.run([HARNESS, *arguments], env=self.env, capture_output=True, text=True, errors="replace")
        # Stopping the server writes its registry to the files read below.
        subprocess.run([HARNESS, "--stop"], env=self.env)
        return result

    def cmd(self, folder, line):
        # `line` as pasted into cmd in `folder` (a Linux path): msiexec's exit code.
        open(self.unix("C:\\tessaly-test\\run.cmd"), "w", newline="\r\n").write(
            "@cd /d Z:" + folder.replace("/", "\\") + "\n@" + line + "\n@echo exit code %ERRORLEVEL%\n")
        return int(re.search(r"exit code (\d+)", self.wine("cmd", "/c", "C:\\tessaly-test\\run.cmd").stdout).group(1))

    def unix(self, windows_path):
        drive = self.d_drive if windows_path.startswith("D:") else os.path.join(self.root, "drive_c")
        return os.path.join(drive, windows_path[3:].replace("\\", "/"))

    def registry(self):
        # {"HKCU\\key" or "HKLM\\key": {value name: data as written}}.
        found, unescape = {}, lambda text: re.sub(r"\\x([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)),
                                                  text).replace("\\\\", "\\")
        for root, name in (("HKCU", "user.reg"), ("HKLM", "system.reg")):
            text = read(os.path.join(self.root, name)).decode("utf-8", "replace")
            for key, body in re.findall(r"^\[(.*)\] \d+\n((?:[^\[\n].*\n|\n)*)", text, re.M):
                found[root + "\\" + unescape(key)] = {n: unescape(v.strip('"')) for n, v in re.findall(
                    r'^"(.*?)"=(.*)$', body, re.M)}
        return found

    def snapshot(self):
        # D:'s files and folders and drive_c's outside windows, and the keys and
        # values of HKCU\Software and HKLM\Software; not the desktop (its login
        # shortcuts stay), the test's folder, nor what Windows Installer keeps,
        # emptied, once it has run: its own keys (…\Installer\…),
        # %APPDATA%\Microsoft\Installer and the Apps & features list
        # (…\CurrentVersion\Uninstall), which every Windows has but a 64-bit Wine
        # prefix lacks in its 32-bit view until a package needs it.
        found = {f"{drive}:/" + os.path.relpath(os.path.join(d, n), top) for drive, top in (("C", os.path.join(
            self.root, "drive_c")), ("D", self.d_drive)) for d, folders, files in os.walk(top) for n in folders + files}
        found = {path for path in found if not re.match(r"C:/(windows|tessaly-test|users/[^/]+/Desktop)(/|$)|"
                                                        r"C:/users/[^/]+/AppData/Roaming/Microsoft/Installer$", path)}
        for key, values in self.registry().items():
            if re.match(r"HK(CU|LM)\\Software\\", key) and (values or not re.search(
                    r"\\Installer(\\|$)|\\CurrentVersion\\Uninstall$", key)):
                found |= {key} | {f"{key} {name}={data}" for name, data in values.items()}
        return found


def installed(prefix, folder, scope, exe_bytes, version):
    exe, root, registry = folder + "\\Tessaly.exe", {"user": "HKCU", "machine": "HKLM"}[scope], prefix.registry()
    check(os.path.isfile(prefix.unix(exe)) and read(prefix.unix(exe)) == exe_bytes, f"{exe} is the packaged exe")
    # One Apps & features entry, in the 32-bit view of HKEY_LOCAL_MACHINE for a
    # 32-bit product (Wine keeps both scopes' there); Windows Installer's
    # registration and the remembered folder in the scope's root, never both.
    shown = [tuple(v.get(name) for name in ("DisplayVersion", "Publisher", "HelpLink", "URLInfoAbout", "Contact",
                                            "InstallLocation", "NoModify")) + ("\\Wow6432Node\\" in key,)
             for key, v in registry.items() if "\\Uninstall\\" in key and v.get("DisplayName") == "Tessaly"]
    roots = sorted(key[:4] + (" folder" if "InstallDir" in v else "") for key, v in registry.items() if (
        "\\Installer\\Products\\" in key and v.get("ProductName") == "Tessaly") or (
        re.search(r"\\Software\\(Wow6432Node\\)?Tessaly$", key) and v.get("InstallDir") == folder + "\\"))
    check(shown == [(version, PUBLISHER, WEB_ADDRESS, WEB_ADDRESS, CONTACT, folder + "\\", "dword:00000001", WIN64)]
          and roots == [root, root + " folder"], f"registered per {scope} {roots}, one entry: version, publisher,"
          f" links, contact, folder, no Modify button, view: {shown}")
    # Wine puts the shortcut in the user's menu in both scopes (see the README).
    links = [m.format(user=prefix.user) for m in MENU if os.path.isfile(prefix.unix(m.format(user=prefix.user)))]
    fields = dict(re.findall(r"^\t([^\t]+)\t+: (.*)$", run("lnkinfo", prefix.unix(links[0])).stdout, re.M)
                  if len(links) == 1 else [])
    icon = prefix.unix(fields.get("Icon location", "C:\\none"))
    check(fields.get("Local path") == exe and fields.get("Description") == START_MENU_DESCRIPTION and os.path.isfile(
        icon) and read(icon) == read(os.path.join(BUILD, "resources", "Tessaly.ico")),
          f"one Start-menu shortcut {links}, starting {fields.get('Local path')}, with its description and icon")


def msi_property(msi, name="ProductCode"):
    return re.search(rf"^{name}\t(\S+)$", run("msiinfo", "export", msi, "Property").stdout, re.M).group(1)


def winget(folder, version, msi):
    # The winget manifests beside the package parse as YAML and name its version,
    # its codes (msiinfo's) and its SHA-256 (hashlib's), per user and per machine.
    folder = os.path.join(folder, "winget", version)
    found = {name: yaml.safe_load(read(os.path.join(folder, name))) for name in os.listdir(folder)}
    installer, sha = found["Tessaly.Tessaly.installer.yaml"], hashlib.sha256(read(msi)).hexdigest()
    code, entry = msi_property(msi), installer["AppsAndFeaturesEntries"][0]
    check(len(found) == 3 and {m["PackageVersion"] for m in found.values()} == {version} and (installer["ProductCode"],
          entry["ProductCode"], entry["UpgradeCode"]) == (code, code, msi_property(msi, "UpgradeCode")) and
          {(i["Scope"], i["InstallerSha256"], str(i.get("InstallerSwitches"))) for i in installer["Installers"]} ==
          {("user", sha, "None"), ("machine", sha, "{'Custom': 'ALLUSERS=1'}")},
          f"the winget manifests of {os.path.basename(msi)}: codes, SHA-256 {sha}, both scopes")


def install(build, work, version, next_version, demo):
    prefix, rows, later = Prefix(work), deployment_table(), os.path.join(work, "build")
    old, new = release(build, version)[1], release(later, next_version)[1]
    old_exe = read(os.path.join(build, "Tessaly.exe"))
    with tempfile.TemporaryDirectory() as folder:
        new_exe = read(zipped_exe(release(later, next_version)[0], folder))
    # The later package but for the fourth field of its version (and so its
    # product code), as a careless release would make it.
    fourth = shutil.copy(new, os.path.join(work, "fourth.msi"))
    update = "UPDATE `Property` SET `Value` = '{}' WHERE `Property` = '{}'"
    subprocess.run(["msibuild", fourth, "-q", update.format(next_version[:-1] + "1", "ProductVersion"), "-q",
                    update.format("{" + str(uuid.uuid4()).upper() + "}", "ProductCode")], check=True)
    # Wine's msiexec knows no MSIINSTALLPERUSER and makes ALLUSERS=2 1: its
    # per-user context takes ALLUSERS="" (last: Wine's parser takes what
    # follows "" for its value), given the folder Windows would choose.
    as_user = ' INSTALLDIR="%LOCALAPPDATA%\\Programs\\Tessaly" ALLUSERS=""'
    mine = (prefix.user + "\\AppData\\Local\\Programs\\Tessaly", "user")
    everyone = ("C:\\Program Files (x86)\\Tessaly" if WIN64 else "C:\\Program Files\\Tessaly", "machine")
    admins = ("D:\\Apps\\Tessaly", "machine")
    user, machine, into, repair, remove, by_code, log = rows[:-1] + [" " + rows[-1]]  # the README's, in its order
    # (README row, package, what Wine needs added, exit code, then installed:
    # (folder, scope, exe, version), or None: no install left, nothing removed).
    # The exe is deleted before the repair; D:\Apps is not there before the
    # install into D:\Apps\Tessaly, %LOCALAPPDATA%\Programs is.
    was, now = (old_exe, version), (new_exe, next_version)
    steps = [(user, old, as_user, 0, mine + was), (machine, new, "", 1603, mine + was),  # the scopes never meet
             (user, new, as_user, 0, mine + now), (user, old, as_user, 1603, ()),  # older, or the fourth field only:
             (user, fourth, as_user, 1603, ()), (repair, new, "", 0, mine + now), (by_code, new, "", 0, None),
             (machine, old, "", 0, everyone + was), (user, new, as_user, 1603, ()),
             (machine, new, "", 0, everyone + now), (remove, new, "", 0, None),
             (into, old, log, 0, admins + was), (machine, new, "", 0, admins + now), (by_code, new, "", 0, None)]
    login, temp_log = prefix.user + "\\Desktop\\正常登陆QQ 123456789.lnk", prefix.user + "\\Temp\\Tessaly-msi.log"
    try:
        check(prefix.wine("cmd", "/c", "exit").returncode == 0, "a new prefix")
        os.symlink(prefix.d_drive, os.path.join(prefix.root, "dosdevices", "d:"))
        os.makedirs(prefix.unix(prefix.user + "\\AppData\\Local\\Programs"))  # there before: it stays
        clean, made = prefix.snapshot(), b"a stand-in for a login shortcut made earlier"
        open(prefix.unix(login), "wb").write(made)
        for index, (what, msi, extra, code, then) in enumerate(steps):
            if what == repair:
                os.remove(prefix.unix(mine[0] + "\\Tessaly.exe"))
            line = what.replace("Tessaly-<version>.msi", os.path.basename(msi)).replace(
                "{ProductCode}", msi_property(msi)).replace(" /qn", extra + " /qn")
            check(prefix.cmd(os.path.dirname(msi), line) == code, f"{line}: exit code {code}")
            if then:
                installed(prefix, *then)
            elif then is None:
                check(not (left := clean ^ prefix.snapshot()), f"nothing left and nothing removed: {sorted(left)}")
            if extra == log:
                check(os.path.getsize(prefix.unix(temp_log)) > 0, "the log is written to %TEMP%")
                os.remove(prefix.unix(temp_log))
            if index == 0 and not WIN64:  # 64-bit Wine cannot start it
                check(prefix.wine(demo, mine[0] + "\\Tessaly.exe", "C:\\tessaly-test\\installed.bmp").returncode == 0,
                      "the installed Tessaly.exe shows its dialog and makes a login shortcut")
                made = read(prefix.unix(login))
        check(read(prefix.unix(login)) == made, "the login shortcut on the desktop is untouched")
    finally:
        subprocess.run([HARNESS, "--stop"], env=prefix.env)


if __name__ == "__main__":
    step, BUILD = sys.argv[1], sys.argv[2]
    {"files": files, "next": next_release, "signing": signing, "install": install}[step](*sys.argv[2:])
    print(f"{len(failures)} failed" if failures else "all passed")
    sys.exit(1 if failures else 0)
