"""A reader of the parts of a Windows executable (PE) that the release's checks look at: its
sections, the Windows version its header asks for, the DLLs it imports, its debug directory,
its certificate table and its resources, with the fixed part of its version resource. Reads
bytes in memory; raises ValueError on what is no PE image."""
import struct

RT_RCDATA = 10
RT_VERSION = 16
VS_VERSION_INFO = 1
_FIXED_FILE_INFO_SIGNATURE = 0xFEEF04BD
_DATA_DIRECTORY_IMPORT = 1
_DATA_DIRECTORY_RESOURCE = 2
_DATA_DIRECTORY_SECURITY = 4
_DATA_DIRECTORY_DEBUG = 6


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe_offset, = struct.unpack_from("<I", data, 0x3C)
        if data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        section_count, = struct.unpack_from("<H", data, pe_offset + 6)
        optional_size, = struct.unpack_from("<H", data, pe_offset + 20)
        optional = pe_offset + 24
        magic, = struct.unpack_from("<H", data, optional)
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        directories = optional + {0x10B: 96, 0x20B: 112}[magic]
        directory_count, = struct.unpack_from("<I", data, directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(directory_count)]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            name, virtual_size, address, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode("latin-1"), address,
                                  max(virtual_size, raw_size), raw_offset, raw_size))

    def offset_of(self, rva):
        for _, address, size, raw_offset, _ in self.sections:
            if address <= rva < address + size:
                return rva - address + raw_offset
        raise ValueError(f"address {rva:#x} lies in no section")

    def section_names(self):
        return [name for name, *_ in self.sections]

    def end_of_sections(self):
        """Where the last section's bytes in the file end."""
        return max(raw_offset + raw_size for *_, raw_offset, raw_size in self.sections)

    def debug_directory_size(self):
        return self.directories[_DATA_DIRECTORY_DEBUG][1]

    def certificate_table(self):
        """(file offset, size) of the Authenticode signatures; (0, 0) in an unsigned image."""
        return self.directories[_DATA_DIRECTORY_SECURITY]

    def imported_dlls(self):
        rva, size = self.directories[_DATA_DIRECTORY_IMPORT]
        dlls = []
        if size == 0:
            return dlls
        descriptor = self.offset_of(rva)
        while True:
            fields = struct.unpack_from("<5I", self.data, descriptor)
            if not any(fields):
                return dlls
            dlls.append(self._text_at(self.offset_of(fields[3])))
            descriptor += 20

    def resource(self, type_id, name_id):
        """The bytes of the first language of resource (type_id, name_id); None if missing."""
        rva, size = self.directories[_DATA_DIRECTORY_RESOURCE]
        if size == 0:
            return None
        root = self.offset_of(rva)
        entry = self._directory_entry(root, root, type_id)
        entry = entry and self._directory_entry(root, entry, name_id)
        entry = entry and self._directory_entry(root, entry, None)
        if entry is None:
            return None
        data_rva, data_size = struct.unpack_from("<II", self.data, entry)
        start = self.offset_of(data_rva)
        return self.data[start:start + data_size]

    def fixed_versions(self):
        """(file version, product version) of the version resource, as four numbers each."""
        info = self.resource(RT_VERSION, VS_VERSION_INFO)
        if info is None:
            raise ValueError("no version resource")
        at = info.find(struct.pack("<I", _FIXED_FILE_INFO_SIGNATURE))
        if at < 0:
            raise ValueError("version resource without its fixed part")
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", info, at + 8)
        split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        return split(file_ms, file_ls), split(product_ms, product_ls)

    def _directory_entry(self, root, directory, wanted_id):
        """Where the entry with wanted_id (None: the first) of a resource directory leads."""
        named, numbered = struct.unpack_from("<HH", self.data, directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
            if wanted_id is None or (not name & 0x80000000 and name == wanted_id):
                return root + (target & 0x7FFFFFFF)
        return None

    def _text_at(self, offset):
        return self.data[offset:self.data.index(b"\0", offset)].decode("latin-1")
