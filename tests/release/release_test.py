#!/usr/bin/env python3
"""The release, checked from outside the program (sha256sum, unzip, msiinfo,
osslsigncode, lnkinfo; Wine's msiexec and registry files in WORK/wineprefix):
release_test.py files BUILD VERSION | next BUILD WORK NEXT_VERSION (a later
release, signed) | signing BUILD WORK VERSION NEXT_VERSION | install BUILD WORK
VERSION NEXT_VERSION DEMO.exe"""
import os
import pwd
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import uuid

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
    """The zip's Tessaly.exe, taken out into `folder`, its checksum checked."""
    run("unzip", "-o", "-q", zip_path, "Tessaly.exe", "Tessaly.exe.sha256", "-d", folder)
    checksum = run("sha256sum", "-c", "Tessaly.exe.sha256", cwd=folder)
    check(checksum.returncode == 0, f"the zip's Tessaly.exe.sha256 matches its exe: {checksum.stdout.strip()}")
    return os.path.join(folder, "Tessaly.exe")


def files(build, version):
    zip_path, msi = release(build, version)
    sums = run("sha256sum", "-c", "SHA256SUMS", cwd=build)
    check(sums.returncode == 0 and sums.stdout.split() ==
          [os.path.basename(zip_path) + ":", "OK", os.path.basename(msi) + ":", "OK"],
          "SHA256SUMS lists the zip and the MSI, and both match: " + sums.stdout.strip())
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
    table = run("msiinfo", "export", msi, "File").stdout.split("\n")[3:-1]
    rows = [tuple(row.split("\t")[i] for i in (0, 4, 5)) for row in table]
    check(rows == [("Tessaly.exe", f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}", "2052")],
          f"the File table gives Tessaly.exe its version and Chinese (2052): {rows}")
    # Word count 10: compressed files (2), installs with no elevation (8).
    check("Source: 10 (a)" in run("msiinfo", "suminfo", msi).stdout,
          "the summary says compressed and no elevation needed")


def next_release(build, work, next_version):
    """The later version built in WORK/build, signed with a throwaway certificate."""
    os.makedirs(work, exist_ok=True)
    key, cert, pfx = (os.path.join(work, name) for name in ("key.pem", "cert.pem", "cert.pfx"))
    for command in (("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                     "-subj", SIGNER, "-addext", "extendedKeyUsage=codeSigning",
                     "-keyout", key, "-out", cert),
                    ("openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", pfx,
                     "-passout", "pass:" + PASSWORD)):
        subprocess.run(command, check=True, capture_output=True)
    later = os.path.join(work, "build")
    subprocess.run(["cmake", "--preset", "windows", "-B", later, "-DTESSALY_TEST_VERSION=" + next_version,
                    "-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", later, "-j2", "--target", "Tessaly"], check=True,
                   stdout=subprocess.DEVNULL)
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
        for name, path in (("zip's exe", exe), ("MSI", msi)):
            verify = run("osslsigncode", "verify", "-CAfile", os.path.join(work, "cert.pem"), "-in", path)
            check(verify.returncode == 0 and "Subject: " + SIGNER in verify.stdout and
                  re.search(r"Message digest algorithm\s*: SHA256", verify.stdout) and
                  "Text description: Tessaly" in verify.stdout and
                  "URL description: " + WEB_ADDRESS in verify.stdout,
                  f"the {name} verifies against the certificate, SHA-256, with name and address")
        check(run("osslsigncode", "verify", "-in", os.path.join(later, "Tessaly.exe")).returncode != 0,
              "the build's own Tessaly.exe stays unsigned")
        reference = os.path.join(later, "Tessaly.exe")
        for path in (zip_path, msi):
            accepted = run("bash", verify_release, path, "--against", reference)
            check(accepted.returncode == 0 and "signed by " + SIGNER in accepted.stdout,
                  f"verify-release accepts {os.path.basename(path)}, naming the signer: {accepted.stdout!r}")
        # Against another build's exe (the earlier version's), the same zip fails.
        rejected = run("bash", verify_release, zip_path, "--against", os.path.join(build, "Tessaly.exe"))
        check(rejected.returncode != 0 and "FAILED" in rejected.stderr, "verify-release rejects a different exe")


class Prefix:
    """Wine's programs in WORK/wineprefix, its files and its registry (user.reg, system.reg)."""

    def __init__(self, work):
        self.env = dict(os.environ, TESSALY_WINEPREFIX=os.path.join(work, "wineprefix"))
        self.root = run(HARNESS, "--prefix", env=self.env).stdout.strip()
        # A new prefix each run: nothing a failed run installed stays behind.
        subprocess.run([HARNESS, "--stop"], env=self.env)
        shutil.rmtree(self.root, ignore_errors=True)
        self.user = "C:\\users\\" + pwd.getpwuid(os.getuid()).pw_name

    def wine(self, *arguments):
        code = subprocess.run([HARNESS, *arguments], env=self.env, capture_output=True).returncode
        # Stopping the server writes its registry to the files read below.
        subprocess.run([HARNESS, "--stop"], env=self.env)
        return code

    def unix(self, windows_path):
        return os.path.join(self.root, "drive_c", windows_path[3:].replace("\\", "/"))

    def registry(self):
        """{"HKCU\\key" or "HKLM\\key": {value name: data as written}}."""
        found = {}
        for root, name in (("HKCU", "user.reg"), ("HKLM", "system.reg")):
            values = None
            with open(os.path.join(self.root, name), encoding="utf-8", errors="replace") as f:
                for line in f:
                    if match := re.match(r"^\[(.*)\] \d+$", line):
                        values = found.setdefault(root + "\\" + match.group(1).replace("\\\\", "\\"), {})
                    elif values is not None and (match := re.match(r'^"(.*?)"=(.*)$', line)):
                        values[match.group(1)] = re.sub(r"\\x([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)),
                                                        match.group(2).strip('"')).replace("\\\\", "\\")
        return found

    def snapshot(self):
        """drive_c's files and folders outside windows, and the keys and values of
        HKCU\\Software and HKLM\\Software; not the desktop (its login shortcuts
        stay), the test's folder, nor what Windows Installer keeps, emptied, once
        it has run: its own keys (…\\Installer\\…), %APPDATA%\\Microsoft\\Installer and
        the Apps & features list (…\\CurrentVersion\\Uninstall), which every Windows
        has but a 64-bit Wine prefix lacks in its 32-bit view until a package needs it."""
        drive = os.path.join(self.root, "drive_c")
        found = {os.path.relpath(os.path.join(d, n), drive) for d, folders, files in os.walk(drive)
                 for n in folders + files}
        found = {path for path in found if not re.match(r"(windows|tessaly-test|users/[^/]+/Desktop)(/|$)|"
                                                        r"users/[^/]+/AppData/Roaming/Microsoft/Installer$", path)}
        for key, values in self.registry().items():
            if re.match(r"HK(CU|LM)\\Software\\", key) and (values or not re.search(
                    r"\\Installer(\\|$)|\\CurrentVersion\\Uninstall$", key)):
                found |= {key} | {f"{key} {name}={data}" for name, data in values.items()}
        return found



def installed(prefix, folder, exe_bytes, version, scope):
    exe = folder + "\\Tessaly.exe"
    check(os.path.isfile(prefix.unix(exe)) and read(prefix.unix(exe)) == exe_bytes, f"{exe} is the packaged exe")
    entries = {key: values for key, values in prefix.registry().items()  # those of Apps & features
               if "\\Uninstall\\" in key and values.get("DisplayName") == "Tessaly"}
    # A 32-bit product's entry is in the 32-bit view of HKEY_LOCAL_MACHINE
    # (where Wine keeps both scopes').
    shown = [tuple(e.get(name) for name in ("DisplayVersion", "Publisher", "HelpLink", "URLInfoAbout", "Contact",
                                            "InstallLocation", "NoModify")) + ("\\Wow6432Node\\" in key,)
             for key, e in entries.items()]
    products = [key[:4] for key, values in prefix.registry().items()
                if "\\Installer\\Products\\" in key and values.get("ProductName") == "Tessaly"]
    check(shown == [(version, PUBLISHER, WEB_ADDRESS, WEB_ADDRESS, CONTACT, folder + "\\", "dword:00000001", WIN64)]
          and products == ["HKCU" if scope == "user" else "HKLM"],
          f"registered per {scope} {products}, one entry: version, publisher, links, contact, folder, no Modify"
          f" button, view: {shown}")
    links = [m.format(user=prefix.user) for m in MENU if os.path.isfile(prefix.unix(m.format(user=prefix.user)))]
    lnkinfo = run("lnkinfo", prefix.unix(links[0])).stdout if len(links) == 1 else ""
    fields = dict(re.findall(r"^\t([^\t]+)\t+: (.*)$", lnkinfo, re.M))
    icon = fields.get("Icon location", "")
    check(fields.get("Local path") == exe and fields.get("Description") == START_MENU_DESCRIPTION and
          icon.endswith(".ico") and os.path.isfile(prefix.unix(icon)) and
          read(prefix.unix(icon)) == read(os.path.join(BUILD, "resources", "Tessaly.ico")),
          f"one Start-menu shortcut {links}, starting {fields.get('Local path')}, with its description and icon")


def msiexec(prefix, *arguments):  # as the README has them, silent; a package by its path on Wine's drive Z:
    return prefix.wine("msiexec", *("Z:" + a.replace("/", "\\") if a.endswith(".msi") else a for a in arguments), "/qn")


def product_code(msi):
    return re.search(r"^ProductCode\t(\S+)$", run("msiinfo", "export", msi, "Property").stdout, re.M).group(1)


def install(build, work, version, next_version, demo):
    prefix = Prefix(work)
    later = os.path.join(work, "build")
    old_msi, new_msi = release(build, version)[1], release(later, next_version)[1]
    old_exe = read(os.path.join(build, "Tessaly.exe"))
    with tempfile.TemporaryDirectory() as folder:
        new_exe = read(zipped_exe(release(later, next_version)[0], folder))
    # The later package but for the fourth field of its version (and so its
    # product code), as a careless release would make it.
    fourth = next_version.rsplit(".", 1)[0] + ".1"
    fourth_msi = shutil.copy(new_msi, os.path.join(work, f"Tessaly-{fourth}.msi"))
    update = "UPDATE `Property` SET `Value` = '{}' WHERE `Property` = '{}'"
    subprocess.run(["msibuild", fourth_msi, "-q", update.format(fourth, "ProductVersion"), "-q",
                    update.format("{" + str(uuid.uuid4()).upper() + "}", "ProductCode")], check=True)
    user_folder = prefix.user + "\\AppData\\Local\\Programs\\Tessaly"
    machine_folder = "C:\\Program Files (x86)\\Tessaly" if WIN64 else "C:\\Program Files\\Tessaly"
    admin_folder = "C:\\Apps\\Tessaly"
    login = prefix.user + "\\Desktop\\正常登陆QQ 123456789.lnk"
    # Each from a clean prefix back to it, removed by the package or by its
    # product code with nothing else said; those removed as the later
    # version are upgraded first, in the same folder.
    flows = [((), user_folder, "user", new_msi),
             (("ALLUSERS=1",), machine_folder, "machine", old_msi),
             (("ALLUSERS=1", "INSTALLDIR=" + admin_folder), admin_folder, "machine", product_code(new_msi)),
             (("INSTALLDIR=" + admin_folder,), admin_folder, "user", product_code(old_msi))]
    try:
        check(prefix.wine("cmd", "/c", "exit") == 0, "a new prefix")
        os.makedirs(prefix.unix("C:\\Apps"))  # where the administrator keeps programs
        clean = prefix.snapshot()
        for arguments, folder, scope, removal in flows:
            check(msiexec(prefix, "/i", old_msi, *arguments) == 0, f"install with {arguments}")
            installed(prefix, folder, old_exe, version, scope)
            if not arguments and WIN64:
                print("skipped: starting the installed 32-bit Tessaly.exe (this Wine runs 64-bit programs only)")
                os.makedirs(os.path.dirname(prefix.unix(login)), exist_ok=True)
                open(prefix.unix(login), "wb").write(b"a stand-in for a login shortcut made earlier")
            elif not arguments:
                check(prefix.wine(demo, folder + "\\Tessaly.exe", "C:\\tessaly-test\\installed.bmp") == 0,
                      "the installed Tessaly.exe shows its dialog and makes a login shortcut")
            if not arguments:
                made = read(prefix.unix(login)) if os.path.isfile(prefix.unix(login)) else None
            if removal in (new_msi, product_code(new_msi)):
                check(msiexec(prefix, "/i", new_msi, *arguments[:1]) == 0, "the later version installs over it")
                installed(prefix, folder, new_exe, next_version, scope)
            for msi, what in ((old_msi, "the older version"), (fourth_msi, f"{fourth}, but for the fourth field")):
                if not arguments:
                    check(msiexec(prefix, "/i", msi) != 0, f"{what} is refused")
                    installed(prefix, folder, new_exe, next_version, scope)
            check(msiexec(prefix, "/x", removal) == 0, f"msiexec /x {removal} /qn after {arguments}")
            check(not (left := clean ^ prefix.snapshot()), f"nothing left and nothing removed: {sorted(left)}")
        check(made is not None and os.path.isfile(prefix.unix(login)) and read(prefix.unix(login)) == made,
              "the login shortcut on the desktop is untouched")
    finally:
        subprocess.run([HARNESS, "--stop"], env=prefix.env)


if __name__ == "__main__":
    step, BUILD = sys.argv[1], sys.argv[2]
    {"files": files, "next": next_release, "signing": signing, "install": install}[step](*sys.argv[2:])
    print(f"{len(failures)} failed" if failures else "all passed")
    sys.exit(1 if failures else 0)
