#!/usr/bin/env python3
"""Checks two archives of the release, made from the same sources in two places at two times.

Usage: check_release.py FIRST.zip SECOND.zip FIRST_SOURCE_DIR SECOND_SOURCE_DIR

The two must be the same bytes; the first must hold the shipped files in their order, none of
them holding a build path, the programs without debugging sections, importing only Windows'
own DLLs, with the release's version in their version resources, and the editor must carry
the very starter that lies beside it.
"""
import io
import os
import re
import sys
import unittest
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pe_image import RT_RCDATA, PeImage  # noqa: E402

CONSOLE_TOOLS = ["werkzeuge/quillot-check.exe", "werkzeuge/quillot-image.exe"]
EXPECTED_FILES = ["quillot.exe", "Orbilan.EXE", "Hovenac.chm", "LIESMICH.TXT", "LICENSE",
                  *CONSOLE_TOOLS]
EXECUTABLES = ["quillot.exe", "Orbilan.EXE", *CONSOLE_TOOLS]
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comdlg32.dll",
                "comctl32.dll", "lz32.dll", "msvcrt.dll"}
ARGUMENTS = sys.argv[1:5]
SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def starter_resource_id():
    with open(os.path.join(SOURCE_DIR, "resources", "resource_ids.h")) as header:
        return int(re.search(r"#define IDR_STARTER (\d+)", header.read()).group(1))


class ReleaseArchive(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        first, second, *cls.source_dirs = ARGUMENTS
        with open(first, "rb") as archive:
            cls.first_bytes = archive.read()
        with open(second, "rb") as archive:
            cls.second_bytes = archive.read()
        cls.version = re.fullmatch(r"quillot-(\d+)\.(\d+)\.(\d+)-win32\.zip",
                                   os.path.basename(first))
        with zipfile.ZipFile(io.BytesIO(cls.first_bytes)) as archive:
            cls.names = archive.namelist()
            cls.files = {name: archive.read(name) for name in cls.names}

    def image(self, name):
        return PeImage(self.files[name])

    def test_two_builds_give_the_same_bytes(self):
        if self.first_bytes != self.second_bytes:
            with zipfile.ZipFile(io.BytesIO(self.second_bytes)) as archive:
                differing = [info.filename for info in archive.infolist()
                             if self.files.get(info.filename) != archive.read(info.filename)]
            self.fail(f"the archives differ: in the contents of {differing}" if differing else
                      "the archives differ in their members' order, times or attributes")

    def test_holds_the_shipped_files_in_order(self):
        self.assertEqual(self.names, EXPECTED_FILES)
        self.assertIsNotNone(self.version, "the archive's name carries no version")

    def test_programs_carry_no_debugging(self):
        for name in EXECUTABLES:
            with self.subTest(program=name):
                image = self.image(name)
                debugging = [section for section in image.section_names()
                             if section.startswith((".debug", ".zdebug", "/"))]
                self.assertEqual(debugging, [])
                self.assertEqual(image.debug_directory_size(), 0)

    def test_no_file_holds_a_build_path(self):
        for name in self.names:
            for source_dir in self.source_dirs:
                with self.subTest(file=name, path=source_dir):
                    self.assertNotIn(os.fsencode(source_dir), self.files[name])

    def test_programs_import_only_windows_dlls(self):
        for name in EXECUTABLES:
            with self.subTest(program=name):
                dlls = {dll.lower() for dll in self.image(name).imported_dlls()}
                self.assertTrue(dlls)
                self.assertLessEqual(dlls, WINDOWS_DLLS)

    def test_version_resources_carry_the_release_version(self):
        expected = tuple(int(number) for number in self.version.groups()) + (0,)
        for name in EXECUTABLES:
            with self.subTest(program=name):
                self.assertEqual(self.image(name).fixed_versions(), (expected, expected))

    def test_editor_carries_the_starter_beside_it(self):
        embedded = self.image("quillot.exe").resource(RT_RCDATA, starter_resource_id())
        self.assertIsNotNone(embedded)
        starter = self.files["Orbilan.EXE"]
        if embedded != starter:
            self.fail(f"the editor's starter ({len(embedded)} bytes) is not Orbilan.EXE "
                      f"({len(starter)} bytes)")

    def test_texts_are_windows_texts(self):
        for name in ["LIESMICH.TXT", "LICENSE"]:
            with self.subTest(text=name):
                text = self.files[name]
                self.assertTrue(text.endswith(b"\r\n"))
                self.assertEqual(text.count(b"\n"), text.count(b"\r\n"))
                text.decode("cp1252")
        self.assertIn(b"Copyright (c) 2026 the quillot authors", self.files["LICENSE"])


if __name__ == "__main__":
    if len(ARGUMENTS) != 4:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1] + ["-v"])
