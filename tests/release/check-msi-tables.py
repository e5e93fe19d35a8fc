#!/usr/bin/env python3
"""The package's tables against ICE38, ICE43, ICE64, ICE68 and ICE91 as
Microsoft documents them, read with msiinfo; then, so that each rule is seen
to bite, a copy spoiled for that rule with msibuild must fail it.

    check-msi-tables.py PACKAGE.msi
"""
import shutil
import subprocess
import sys
import tempfile

# Folders that stay in the user's profile whatever ALLUSERS says (ICE91), and
# with those that follow it, every folder of the profile (ICE38, ICE64).
USER_ONLY = {"AppDataFolder", "FavoritesFolder", "NetHoodFolder", "PersonalFolder", "PrintHoodFolder",
             "RecentFolder", "SendToFolder", "MyPicturesFolder", "LocalAppDataFolder"}
PROFILE = USER_ONLY | {"DesktopFolder", "ProgramMenuFolder", "StartMenuFolder", "StartupFolder", "TemplateFolder"}
SPOILED = {
    "ICE38": ["UPDATE `Directory` SET `Directory_Parent` = 'LocalAppDataFolder' WHERE `Directory` = 'INSTALLDIR'",
              "UPDATE `Registry` SET `Root` = 2"],
    "ICE43": ["UPDATE `Registry` SET `Root` = 2"],
    "ICE64": ["DELETE FROM `RemoveFile` WHERE `DirProperty` = 'UserProgramsFolder'"],
    "ICE68": ["UPDATE `CustomAction` SET `Type` = 2099 WHERE `Type` = 51"],
    "ICE91": ["UPDATE `Directory` SET `Directory_Parent` = 'LocalAppDataFolder' WHERE `Directory` = 'INSTALLDIR'"],
}


def table(msi, name):
    """The rows of a table as {column: text}; none when the table is absent."""
    lines = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True).stdout.split("\n")
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]


def faults(msi):
    """{rule: [what breaks it]}."""
    parent = {row["Directory"]: row["Directory_Parent"] for row in table(msi, "Directory")}

    def under(directory, folders):
        while directory and directory not in folders:
            directory = parent.get(directory)
        return bool(directory)

    components = {row["Component"]: row for row in table(msi, "Component")}
    registry = {row["Registry"]: row for row in table(msi, "Registry")}

    def current_user_key_path(name):
        # HKCU (1), or -1, which is HKCU whenever the install is per user.
        component = components[name]
        value = registry.get(component["KeyPath"]) if int(component["Attributes"]) & 4 else None
        return value is not None and value["Root"] in ("1", "-1") and value["Component_"] == name

    features = {row["Feature"] for row in table(msi, "Feature")}
    removed = {row["DirProperty"] for row in table(msi, "RemoveFile") if not row["FileName"]}
    placed = [("file " + row["File"], components[row["Component_"]]["Directory_"]) for row in table(msi, "File")]
    placed += [("shortcut " + row["Shortcut"], row["Directory_"]) for row in table(msi, "Shortcut")]
    return {
        "ICE38": [name for name, row in components.items()
                  if under(row["Directory_"], PROFILE) and not current_user_key_path(name)],
        "ICE43": [row["Shortcut"] for row in table(msi, "Shortcut")
                  if row["Target"] not in features and not current_user_key_path(row["Component_"])],
        "ICE64": [name for name in parent
                  if name not in PROFILE and under(name, PROFILE) and name not in removed],
        "ICE68": [row["Action"] for row in table(msi, "CustomAction")
                  if int(row["Type"]) & 2048 and not int(row["Type"]) & 1024],
        "ICE91": [what for what, directory in placed if under(directory, USER_ONLY)],
    }


def main(msi):
    failed = 0
    for rule, found in faults(msi).items():
        print(("ok   " if not found else "FAIL ") + f"{rule}: {found or 'nothing against it'}")
        failed += bool(found)
    with tempfile.TemporaryDirectory() as folder:
        for rule, queries in SPOILED.items():
            copy = shutil.copy(msi, f"{folder}/{rule}.msi")
            subprocess.run(["msibuild", copy] + [part for q in queries for part in ("-q", q)], check=True)
            found = faults(copy)[rule]
            print(("ok   " if found else "FAIL ") + f"{rule} fails a copy spoiled for it: {found}")
            failed += not found
    print(f"{failed} failed" if failed else "all passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
