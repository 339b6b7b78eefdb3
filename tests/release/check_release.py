#!/usr/bin/env python3
"""Checks the archives of the release, each made from the same sources in two places at two
times: unsigned, and signed with a certificate made for the test.

Usage: check_release.py FIRST.zip SECOND.zip SIGNED_FIRST.zip SIGNED_SECOND.zip
                        FIRST_SOURCE_DIR SECOND_SOURCE_DIR CERTIFICATE.pem

The two of a kind must be the same bytes; each must hold the shipped files in their order,
none of them holding a build path, the programs without debugging sections, importing only
Windows' own DLLs, with the release's version in their version resources, the starter a
program of Windows 95 and the editor carrying the very starter that lies beside it. The
programs of the unsigned archive carry no signature; those of the signed one a signature that
osslsigncode verifies against the certificate, and the certificate's password is in no log.
"""
import io
import os
import re
import subprocess
import sys
import tempfile
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
ARGUMENTS = sys.argv[1:8]
SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def starter_resource_id():
    with open(os.path.join(SOURCE_DIR, "resources", "resource_ids.h")) as header:
        return int(re.search(r"#define IDR_STARTER (\d+)", header.read()).group(1))


class ReleaseChecks:
    """The checks of both kinds of archive; a subclass names its two archives."""
    archives = ()
    certificate = None

    @classmethod
    def setUpClass(cls):
        first, second = cls.archives
        cls.source_dirs = ARGUMENTS[4:6]
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

    def test_starter_runs_on_windows_95(self):
        starter = self.image("Orbilan.EXE")
        self.assertEqual(starter.os_version, (4, 0))
        self.assertEqual(starter.subsystem_version, (4, 0))
        # Windows 95's loader reads the sections alone: a signature must lie behind them.
        offset, size = starter.certificate_table()
        if size:
            self.assertGreaterEqual(offset, starter.end_of_sections())

    def test_programs_are_signed_exactly_when_a_certificate_is_given(self):
        for name in EXECUTABLES:
            with self.subTest(program=name):
                _, size = self.image(name).certificate_table()
                if self.certificate is None:
                    self.assertEqual(size, 0, "an unsigned release holds a signature")
                else:
                    self.assertGreater(size, 0)
                    self.assert_signature_verifies(name)

    def assert_signature_verifies(self, name):
        with tempfile.TemporaryDirectory() as directory:
            program = os.path.join(directory, os.path.basename(name))
            with open(program, "wb") as file:
                file.write(self.files[name])
            verify = subprocess.run(
                ["osslsigncode", "verify", "-CAfile", self.certificate, "-in", program],
                capture_output=True, text=True, timeout=120)
        self.assertEqual(verify.returncode, 0, verify.stdout + verify.stderr)

    def test_texts_are_windows_texts(self):
        for name in ["LIESMICH.TXT", "LICENSE"]:
            with self.subTest(text=name):
                text = self.files[name]
                self.assertTrue(text.endswith(b"\r\n"))
                self.assertEqual(text.count(b"\n"), text.count(b"\r\n"))
                text.decode("cp1252")
        self.assertIn(b"Copyright (c) 2026 the quillot authors", self.files["LICENSE"])


class UnsignedRelease(ReleaseChecks, unittest.TestCase):
    archives = ARGUMENTS[0:2]


class SignedRelease(ReleaseChecks, unittest.TestCase):
    archives = ARGUMENTS[2:4]
    certificate = ARGUMENTS[6] if len(ARGUMENTS) == 7 else None

    def test_password_is_in_no_log(self):
        password = os.environb[b"QUILLOT_SIGN_PASSWORD"]
        for source_dir in self.source_dirs:
            build = os.path.join(source_dir, "build")
            for log in [name for name in os.listdir(build) if name.endswith(".log")]:
                with self.subTest(log=log), open(os.path.join(build, log), "rb") as file:
                    self.assertNotIn(password, file.read())


if __name__ == "__main__":
    if len(ARGUMENTS) != 7:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1] + ["-v"])
