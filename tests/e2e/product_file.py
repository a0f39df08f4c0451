#!/usr/bin/env python3
"""Reads the shipped Dravelin.exe itself: a 32-bit GUI program for i386 that
imports only system DLLs, with its manifest and its one icon group."""
import struct
import sys
import xml.etree.ElementTree as ET

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll", "oleaut32.dll",
    "comctl32.dll", "advapi32.dll", "msvcrt.dll", "uuid.dll", "shlwapi.dll", "psapi.dll",
}
failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "no PE signature"
        self.machine, self.sections_count = struct.unpack_from("<HH", data, pe + 4)
        optional_size = struct.unpack_from("<H", data, pe + 20)[0]
        self.optional = pe + 24
        self.magic = struct.unpack_from("<H", data, self.optional)[0]
        self.subsystem = struct.unpack_from("<H", data, self.optional + 68)[0]
        directories = self.optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = self.optional + optional_size
        for i in range(self.sections_count):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((vaddr, max(vsize, rsize), raddr))

    def offset(self, rva):
        for vaddr, size, raddr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raddr
        raise ValueError("rva %x outside the sections" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva, _ = self.directories[1]
        names, at = [], self.offset(rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, at)
            if entry == (0, 0, 0, 0, 0):
                return names
            names.append(self.cstring(entry[3]))
            at += 20

    def resources(self):
        """[(type, name, language, bytes)], types and names as int or str, in file order."""
        base_rva, _ = self.directories[2]
        base = self.offset(base_rva)

        def label(value):
            if value & 0x80000000:
                at = base + (value & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            return value

        def entries(at):
            named, ids = struct.unpack_from("<HH", self.data, base + at + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                yield label(name), target

        found = []
        for rtype, t in entries(0):
            for name, n in entries(t & 0x7FFFFFFF):
                for lang, l in entries(n & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + l)
                    start = self.offset(rva)
                    found.append((rtype, name, lang, self.data[start:start + size]))
        return found


def main(path):
    image = Image(open(path, "rb").read())
    check(image.magic == 0x10B, "PE32 (not PE32+)")
    check(image.machine == 0x14C, "machine i386")
    check(image.subsystem == 2, "GUI subsystem")
    dlls = [name.lower() for name in image.imports()]
    print("imports:", ", ".join(dlls))
    check(dlls and all(name in SYSTEM_DLLS for name in dlls), "imports only system DLLs")
    check(not any(n.startswith(("libstdc++", "libgcc", "libwinpthread")) for n in dlls),
          "no C or C++ runtime DLL of the compiler")

    resources = image.resources()
    manifests = [r for r in resources if r[0] == 24]
    check(len(manifests) == 1 and manifests[0][1] == 1, "one RT_MANIFEST resource, id 1")
    if manifests:
        ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3"}
        root = ET.fromstring(manifests[0][3])
        identity = root.find("v1:assemblyIdentity", ns)
        check(identity is not None and identity.get("processorArchitecture") == "x86"
              and identity.get("type") == "win32", "assembly identity: x86, win32")
        dep = root.find("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", ns)
        check(dep is not None and dep.attrib == {
            "type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
            "processorArchitecture": "x86", "publicKeyToken": "6595b64144ccf1df", "language": "*"},
            "Common Controls 6.0.0.0 dependency")
        level = root.find(".//v3:requestedExecutionLevel", ns)
        check(level is not None and level.get("level") == "requireAdministrator"
              and level.get("uiAccess") == "false", "requireAdministrator, no uiAccess")
        text = manifests[0][3].decode("utf-8")
        check("dpiAware" not in text and "dpiAwareness" not in text and "supportedOS" not in text,
              "no DPI awareness and no supported-OS list")

    groups = [r for r in resources if r[0] == 14]
    check(len(groups) >= 1 and groups[0][1] == "DEFAULT_ICON", "first icon group is DEFAULT_ICON")
    if groups:
        check(groups[0][2] == 0, "DEFAULT_ICON is language neutral")
        reserved, kind, count = struct.unpack_from("<HHH", groups[0][3], 0)
        check(kind == 1 and count == 1, "the group holds one image")
        width, height, colours, _, planes, bits, size, icon_id = struct.unpack_from(
            "<BBBBHHIH", groups[0][3], 6)
        check((width, height, bits) == (0, 0, 32) or (width, height, bits) == (128, 128, 32),
              "the image is 128 x 128 at 32 bits per pixel (group entry)")
        icons = [r for r in resources if r[0] == 3 and r[1] == icon_id]
        if icons:
            data = icons[0][3]
            if data[:8] == b"\x89PNG\r\n\x1a\n":
                w, h = struct.unpack_from(">II", data, 16)
                check((w, h, data[24], data[25]) == (128, 128, 8, 6), "PNG image 128 x 128 RGBA")
            else:
                _, w, h, _, bpp = struct.unpack_from("<IiiHH", data, 0)
                check((w, h // 2, bpp) == (128, 128, 32), "DIB image 128 x 128 x 32")
        else:
            check(False, "the group's image is in the file")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(sys.argv[1])
