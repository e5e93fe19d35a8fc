#!/usr/bin/env python3
"""The release, checked from outside the program: its files with sha256sum,
unzip, msiinfo and osslsigncode; the MSI installed, upgraded, refused and
removed by Wine's own msiexec in a prefix of its own (WORK/wineprefix), the
Start-menu shortcut read with lnkinfo and the registry exported by Wine's reg.

    release_test.py files   BUILD VERSION
    release_test.py next    BUILD WORK NEXT_VERSION   (a later release, signed)
    release_test.py signing BUILD WORK VERSION NEXT_VERSION
    release_test.py install BUILD WORK VERSION NEXT_VERSION DEMO.exe
"""
import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "support"))
from product_texts import PUBLISHER, START_MENU_DESCRIPTION, WEB_ADDRESS  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HARNESS = os.path.join(ROOT, "scripts", "wine-harness.sh")
SIGNER = "/CN=Tessaly test signer"
PASSWORD = "throwaway-password"
# Where 32-bit programs cannot run, 64-bit Wine's msiexec installs the 32-bit
# package into a 64-bit prefix: it goes where Windows puts a 32-bit program.
WIN64 = os.environ.get("TESSALY_WINE_ARCH") == "win64"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def release(folder, version):
    return (os.path.join(folder, f"Tessaly-{version}-win32.zip"),
            os.path.join(folder, f"Tessaly-{version}.msi"))


def zipped_exe(zip_path, folder):
    """The zip's Tessaly.exe, taken out into `folder`, once its checksum file
    is checked with sha256sum."""
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
        unsigned = [run("osslsigncode", "verify", "-in", path).returncode != 0 for path in (exe, msi)]
        check(unsigned == [True, True], "without a certificate neither the exe nor the MSI is signed")
        # A second build of the same sources, elsewhere: the same MSI.
        again = run("cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", folder)
        check(again.returncode == 0 and read(os.path.join(folder, os.path.basename(msi))) == read(msi),
              "a second build gives the same MSI")
    # Word count 10: compressed files (2), installs with no elevation (8).
    check("Source: 10 (a)" in run("msiinfo", "suminfo", msi).stdout,
          "the summary says compressed and no elevation needed")


def next_release(build, work, next_version):
    """Builds the later version in WORK/build and packages it signed with a
    throwaway certificate made here."""
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
        # The same zip with one byte of its exe changed.
        changed = os.path.join(folder, "changed.zip")
        with zipfile.ZipFile(zip_path) as original, zipfile.ZipFile(changed, "w") as copy:
            for name in original.namelist():
                data = bytearray(original.read(name))
                if name == "Tessaly.exe":
                    data[len(data) // 2] ^= 1
                copy.writestr(name, bytes(data))
        rejected = run("bash", verify_release, changed, "--against", reference)
        check(rejected.returncode != 0 and "FAILED" in rejected.stderr, "verify-release rejects a changed exe")


def windows_path(path):
    """A Linux path as Wine sees it, on drive Z:."""
    return "Z:" + path.replace("/", "\\")


class Prefix:
    """Wine's msiexec and programs in the prefix WORK/wineprefix, and what is
    in it: its files, and its registry as Wine stores it (user.reg for
    HKEY_CURRENT_USER, system.reg for HKEY_LOCAL_MACHINE)."""

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
                                                        match.group(2).strip('"'))
        return found

    def entries(self):
        """The "Apps & features" entries named Tessaly, by key."""
        return {key: values for key, values in self.registry().items()
                if "\\Uninstall\\" in key and values.get("DisplayName") == "Tessaly"}


def installed(prefix, folder, menu, exe_bytes, version, scope):
    exe = folder + "\\Tessaly.exe"
    check(os.path.isfile(prefix.unix(exe)) and read(prefix.unix(exe)) == exe_bytes, f"{exe} is the packaged exe")
    entries = prefix.entries()
    shown = [(e.get("DisplayVersion"), e.get("Publisher"), e.get("HelpLink")) for e in entries.values()]
    check(shown == [(version, PUBLISHER, WEB_ADDRESS)], f"one entry, version {version}, publisher, help link: {shown}")
    products = [key[:4] for key, values in prefix.registry().items()
                if "\\Installer\\Products\\" in key and values.get("ProductName") == "Tessaly"]
    check(products == ["HKCU" if scope == "user" else "HKLM"], f"registered per {scope}: {products}")
    # A 32-bit product on 64-bit Windows: its entry under HKEY_LOCAL_MACHINE
    # (where Wine keeps both scopes') is in the 32-bit view.
    check(all(("\\Wow6432Node\\" in key) == WIN64 for key in entries if key.startswith("HKLM")),
          f"the entry's key: {list(entries)}")
    links = [m for m in menu if os.path.isfile(prefix.unix(m))]
    check(len(links) == 1, f"one Start-menu shortcut: {links}")
    for link in links:
        fields = dict(re.findall(r"^\t([^\t]+)\t+: (.*)$", run("lnkinfo", prefix.unix(link)).stdout, re.M))
        icon = fields.get("Icon location", "")
        check(fields.get("Local path") == exe and fields.get("Description") == START_MENU_DESCRIPTION and
              icon.endswith(".ico") and os.path.isfile(prefix.unix(icon)) and
              read(prefix.unix(icon)) == read(os.path.join(BUILD, "resources", "Tessaly.ico")),
              f"the Start-menu shortcut starts {fields.get('Local path')}, with its description and icon")


def removed(prefix, folder, menu):
    check(not os.path.exists(prefix.unix(folder)), f"{folder} is gone")
    check(not any(os.path.exists(prefix.unix(m)) for m in menu), "the Start-menu shortcut is gone")
    check(not prefix.entries(), "the entry is gone")
    registered = [key for key, values in prefix.registry().items() if values.get("ProductName") == "Tessaly"]
    check(not registered, f"the product's registration is gone: {registered}")


def install(build, work, version, next_version, demo):
    prefix = Prefix(work)
    old_msi, new_msi = (windows_path(release(folder, v)[1]) for folder, v in
                        ((build, version), (os.path.join(work, "build"), next_version)))
    old_exe = read(os.path.join(build, "Tessaly.exe"))
    with tempfile.TemporaryDirectory() as folder:
        new_exe = read(zipped_exe(release(os.path.join(work, "build"), next_version)[0], folder))
    user_folder = prefix.user + "\\AppData\\Local\\Programs\\Tessaly"
    menu = [prefix.user + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Tessaly.lnk",
            "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tessaly.lnk"]
    login = prefix.user + "\\Desktop\\正常登陆QQ 123456789.lnk"
    try:
        check(prefix.wine("msiexec", "/i", old_msi, "/qn") == 0, "silent per-user install")
        installed(prefix, user_folder, menu, old_exe, version, "user")
        if WIN64:
            print("skipped: starting the installed 32-bit Tessaly.exe (this Wine runs 64-bit programs only);"
                  " a stand-in login shortcut is put on the desktop instead")
            os.makedirs(os.path.dirname(prefix.unix(login)), exist_ok=True)
            with open(prefix.unix(login), "wb") as f:
                f.write(b"a login shortcut made earlier")
        else:
            check(prefix.wine(demo, user_folder + "\\Tessaly.exe", "C:\\tessaly-test\\installed.bmp") == 0,
                  "the installed Tessaly.exe shows its dialog and makes a login shortcut")
        check(prefix.wine("msiexec", "/i", new_msi, "/qn") == 0, "the later version installs over it")
        installed(prefix, user_folder, menu, new_exe, next_version, "user")
        check(prefix.wine("msiexec", "/i", old_msi, "/qn") != 0, "the older version is refused")
        installed(prefix, user_folder, menu, new_exe, next_version, "user")
        login_before = read(prefix.unix(login)) if os.path.isfile(prefix.unix(login)) else None
        check(prefix.wine("msiexec", "/x", new_msi, "/qn") == 0, "silent uninstall")
        removed(prefix, user_folder, menu)
        check(login_before is not None and os.path.isfile(prefix.unix(login)) and
              read(prefix.unix(login)) == login_before, "the login shortcut on the desktop is untouched")
        machine_folder = "C:\\Program Files (x86)\\Tessaly" if WIN64 else "C:\\Program Files\\Tessaly"
        check(prefix.wine("msiexec", "/i", old_msi, "ALLUSERS=1", "/qn") == 0, "per-machine install")
        installed(prefix, machine_folder, menu, old_exe, version, "machine")
        check(prefix.wine("msiexec", "/x", old_msi, "ALLUSERS=1", "/qn") == 0, "per-machine uninstall")
        removed(prefix, machine_folder, menu)
    finally:
        subprocess.run([HARNESS, "--stop"], env=prefix.env)


if __name__ == "__main__":
    step, BUILD = sys.argv[1], sys.argv[2]
    {"files": files, "next": next_release, "signing": signing, "install": install}[step](*sys.argv[2:])
    print(f"{len(failures)} failed" if failures else "all passed")
    sys.exit(1 if failures else 0)
