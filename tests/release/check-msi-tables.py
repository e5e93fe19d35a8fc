#!/usr/bin/env python3
# check-msi-tables.py PACKAGE.msi: its tables, read with msiinfo, against
# ICE38, ICE43, ICE57, ICE64, ICE68 and ICE91 as Microsoft documents them, and
# INSTALLDIR among the SecureCustomProperties; then each rule against a copy
# spoiled for it with msibuild, which it must fail.
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
           "ICE57": ["DELETE FROM `Property` WHERE `Property` = 'ALLUSERS'"],
           "ICE64": ["INSERT INTO `Directory` (`Directory`, `Directory_Parent`, `DefaultDir`) "
                     "VALUES ('Extra', 'LocalAppDataFolder', 'Extra')"],
           "ICE68": ["UPDATE `CustomAction` SET `Type` = 2099 WHERE `Type` = 51"], "ICE91": [TO_PROFILE],
           "secure INSTALLDIR": ["UPDATE `Property` SET `Value` = 'WIX_UPGRADE_DETECTED' "
                                 "WHERE `Property` = 'SecureCustomProperties'"]}


def table(msi, name):
    lines = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True).stdout.split("\n")
    return [dict(zip(lines[0].split("\t"), line.split("\t"))) for line in lines[3:] if line]


def faults(msi):
    # {rule: what breaks it}.
    parent = {row["Directory"]: row["Directory_Parent"] for row in table(msi, "Directory")}

    def under(directory, folders):
        while directory and directory not in folders:
            directory = parent.get(directory)
        return bool(directory)

    components = {row["Component"]: row for row in table(msi, "Component")}
    registry = {row["Registry"]: row for row in table(msi, "Registry")}

    features, removed = ({row["Feature"] for row in table(msi, "Feature")},
                         {row["DirProperty"] for row in table(msi, "RemoveFile") if not row["FileName"]})
    properties = {row["Property"]: row["Value"] for row in table(msi, "Property")}
    placed = [(row["File"], components[row["Component_"]]["Directory_"], row["Component_"])
              for row in table(msi, "File")]
    placed += [(row["Shortcut"], row["Directory_"], row["Component_"]) for row in table(msi, "Shortcut")]
    # ICE57: each file, shortcut and registry value per user, per machine or
    # either (HKMU); the profile's folders that follow ALLUSERS are per user
    # while the Property table leaves it unset.
    scopes = {(row["Component_"], name): {"1": "user", "-1": "either"}.get(row["Root"], "machine")
              for name, row in registry.items()}
    scopes.update({(component, name): "user" if under(directory, USER_ONLY) or under(directory, PROFILE) and not
                   properties.get("ALLUSERS") else "machine" for name, directory, component in placed})

    key_scope = lambda name: scopes.get((name, components[name]["KeyPath"]))  # noqa: E731

    def current_user_key_path(name):  # a registry value's, HKCU (1) or -1: HKCU whenever the install is per user
        return int(components[name]["Attributes"]) & 4 and key_scope(name) in ("user", "either")

    def mixed(name):
        found, key = {s for (c, _), s in scopes.items() if c == name}, key_scope(name)
        return {"user", "machine"} <= found or key == "machine" and "either" in found or (
            key == "either" and "user" in found)

    return {"ICE38": [name for name, row in components.items()
                      if under(row["Directory_"], PROFILE) and not current_user_key_path(name)],
            "ICE43": [row["Shortcut"] for row in table(msi, "Shortcut")
                      if row["Target"] not in features and not current_user_key_path(row["Component_"])],
            "ICE57": [name for name in components if mixed(name)],
            "ICE64": [name for name in parent if name not in PROFILE and under(name, PROFILE) and name not in removed],
            "ICE68": [row["Action"] for row in table(msi, "CustomAction")
                      if int(row["Type"]) & 2048 and not int(row["Type"]) & 1024],  # no-impersonate, not deferred
            "ICE91": [name for name, directory, _ in placed if under(directory, USER_ONLY)],
            "secure INSTALLDIR": [] if "INSTALLDIR" in properties.get("SecureCustomProperties", "").split(";")
            else ["SecureCustomProperties"]}


with tempfile.TemporaryDirectory() as folder:
    results = [(f"{rule}: {found or 'nothing against it'}", not found) for rule, found in faults(sys.argv[1]).items()]
    for rule, queries in SPOILED.items():
        copy = shutil.copy(sys.argv[1], f"{folder}/{rule}.msi")
        subprocess.run(["msibuild", copy] + [part for query in queries for part in ("-q", query)], check=True)
        results.append((f"{rule} fails a copy spoiled for it: {faults(copy)[rule]}", bool(faults(copy)[rule])))
failed = [what for what, ok in results if not ok]
print("\n".join(("FAIL " if what in failed else "ok   ") + what for what, _ in results))
print(f"{len(failed)} failed" if failed else "all passed")
sys.exit(1 if failed else 0)
