#!/usr/bin/env python3
"""check-msi-tables.py PACKAGE.msi: its tables, read with msiinfo, against
ICE38, ICE43, ICE64, ICE68 and ICE91 as Microsoft documents them; then each
rule against a copy spoiled for it with msibuild, which it must fail."""
import shutil
import subprocess
import sys
import tempfile

# The profile's folders that stay per user whatever ALLUSERS says (ICE91),
# and with those that follow it, all of the profile (ICE38, ICE64).
USER_ONLY = {"AppDataFolder", "FavoritesFolder", "NetHoodFolder", "PersonalFolder", "PrintHoodFolder",
             "RecentFolder", "SendToFolder", "MyPicturesFolder", "LocalAppDataFolder"}
PROFILE = USER_ONLY | {"DesktopFolder", "ProgramMenuFolder", "StartMenuFolder", "StartupFolder", "TemplateFolder"}
TO_PROFILE = "UPDATE `Directory` SET `Directory_Parent` = 'LocalAppDataFolder' WHERE `Directory` = 'INSTALLDIR'"
SPOILED = {"ICE38": [TO_PROFILE, "UPDATE `Registry` SET `Root` = 2"], "ICE43": ["UPDATE `Registry` SET `Root` = 2"],
           "ICE64": ["DELETE FROM `RemoveFile` WHERE `DirProperty` = 'UserProgramsFolder'"],
           "ICE68": ["UPDATE `CustomAction` SET `Type` = 2099 WHERE `Type` = 51"], "ICE91": [TO_PROFILE]}


def table(msi, name):
    lines = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True).stdout.split("\n")
    return [dict(zip(lines[0].split("\t"), line.split("\t"))) for line in lines[3:] if line]


def faults(msi):
    """{rule: what breaks it}."""
    parent = {row["Directory"]: row["Directory_Parent"] for row in table(msi, "Directory")}

    def under(directory, folders):
        while directory and directory not in folders:
            directory = parent.get(directory)
        return bool(directory)

    components = {row["Component"]: row for row in table(msi, "Component")}
    registry = {row["Registry"]: row for row in table(msi, "Registry")}

    def current_user_key_path(name):  # HKCU (1), or -1: HKCU whenever the install is per user
        value = registry.get(components[name]["KeyPath"]) if int(components[name]["Attributes"]) & 4 else None
        return value is not None and value["Root"] in ("1", "-1") and value["Component_"] == name

    features, removed = ({row["Feature"] for row in table(msi, "Feature")},
                         {row["DirProperty"] for row in table(msi, "RemoveFile") if not row["FileName"]})
    placed = [("file " + row["File"], components[row["Component_"]]["Directory_"]) for row in table(msi, "File")]
    placed += [("shortcut " + row["Shortcut"], row["Directory_"]) for row in table(msi, "Shortcut")]
    return {"ICE38": [name for name, row in components.items()
                      if under(row["Directory_"], PROFILE) and not current_user_key_path(name)],
            "ICE43": [row["Shortcut"] for row in table(msi, "Shortcut")
                      if row["Target"] not in features and not current_user_key_path(row["Component_"])],
            "ICE64": [name for name in parent if name not in PROFILE and under(name, PROFILE) and name not in removed],
            "ICE68": [row["Action"] for row in table(msi, "CustomAction")
                      if int(row["Type"]) & 2048 and not int(row["Type"]) & 1024],  # no-impersonate, not deferred
            "ICE91": [what for what, directory in placed if under(directory, USER_ONLY)]}


with tempfile.TemporaryDirectory() as folder:
    results = [(f"{rule}: {found or 'nothing against it'}", not found) for rule, found in faults(sys.argv[1]).items()]
    for rule, queries in SPOILED.items():
        copy = shutil.copy(sys.argv[1], f"{folder}/{rule}.msi")
        subprocess.run(["msibuild", copy] + [part for query in queries for part in ("-q", query)], check=True)
        results.append((f"{rule} fails a copy spoiled for it: {faults(copy)[rule]}", bool(faults(copy)[rule])))
print("\n".join(("ok   " if ok else "FAIL ") + what for what, ok in results))
failed = sum(not ok for _, ok in results)
print(f"{failed} failed" if failed else "all passed")
sys.exit(1 if failed else 0)
