#!/usr/bin/env python3
"""Writes the seed inputs of every harness into tests/fuzz/corpus/<harness>/.

The harnesses cut their input into pieces (a byte of options, texts with their
lengths in front); this script builds those inputs from readable parts, so that
the committed seeds say what they are. Run it after changing a harness's input
layout; it only adds or rewrites the files it names.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def short(text: bytes) -> bytes:
    return bytes([len(text)]) + text


def long(text: bytes) -> bytes:
    return struct.pack("<H", len(text)) + text


def utf16(text: str, big_endian: bool) -> bytes:
    if big_endian:
        return b"\xfe\xff" + text.encode("utf-16-be")
    return b"\xff\xfe" + text.encode("utf-16-le")


def write(harness: str, name: str, data: bytes, kind: str = "corpus") -> None:
    folder = os.path.join(HERE, kind, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


SAVED = ("[All]\r\nLeft= 0\r\nTop= 0\r\nWidth= 1600\r\nHeight= 800\r\nSearchTerm=texas\r\n"
         "FontName=Arial Black\r\nIgnoreList=.lnk\r\nMinimized= 0\r\nMaximized= 0\r\nFontSize= 48\r\n")


def settings_seeds() -> None:
    write("settings_file", "saved", SAVED.encode())
    write("settings_file", "hand_edited",
          b"; by hand\r\n[Other]\r\nFontSize=12\r\n[all]\r\n  fastrate =+3  \r\nSlowRate= -5\r\n"
          b"FontSize=abc\r\nIconSize=96.5\r\nSearchTerm=\"quoted term\"\r\nFontName= Verdana \r\n")
    write("settings_file", "second_section", b"[All]\r\nFontSize=36\r\n[All]\r\nFontSize=12\r\nIconSize=96\r\n")
    write("settings_file", "utf16_little_endian", utf16(SAVED + "SearchTerm=caf\u00e9\r\n", False))
    write("settings_file", "utf16_big_endian", utf16(SAVED + "SearchTerm=\U0001F4C1\r\n", True))
    write("settings_file", "ansi", b"[All]\r\nSearchTerm=caf\xe9\r\nFontName='Times'\r\n")
    write("settings_file", "nul_in_value", b"[All]\r\nSearchTerm=abc\x00def\r\n")
    write("settings_file", "quoted_ends", b"[All]\nSearchTerm=\"\"annual report\"\"\nFontName=\"Arial \"\n"
          b"IgnoreList=' .lnk'\r")


RESULTS_OLD = (b"Size,Date Modified,Filename\r\n1500,05/17/2023 10:30,\"C:\\Users\\Ann\\Report.TXT\"\r\n"
               b",05/18/2023 09:00,\"C:\\Users\\Ann\\Letters\"\r\n")
RESULTS_NEW = (b"Filename,Size,Date Modified\r\n\"C:\\x\\Texas Photos\\\",10,6/1/2025 12:00:00 PM\r\n"
               b"\"C:\\Data\\Big.iso\",3221225472,5/17/2023 9:05:00 AM\r\n")


def results_seeds() -> None:
    write("results_file", "older_client", b"\x0c" + RESULTS_OLD)
    write("results_file", "newer_client", b"\x1d" + RESULTS_NEW)
    write("results_file", "line_feeds", b"\x4c" + RESULTS_OLD.replace(b"\r\n", b"\n"))
    write("results_file", "stray_returns", b"\x00" + RESULTS_OLD.replace(b"\r\n", b"\r\r\n") + b"1,d,\"c:\\a\r\"\n")
    write("results_file", "custom", b"\x02Filename\r\n\"C:\\Music\\Song.mp3\"\r\n\"C:\\Music\\Albums\\\"\r\n")
    write("results_file", "ansi_and_ignore",
          b"\x01Size,Date Modified,Filename\r\n1,d,C:\\\xc9T\xc9.txt\r\n2,d,c:\\a.lnk\r\n3,d,c:\\x\r\n")
    write("results_file", "day_first", b"\x18Size,Date Modified,Filename\r\n1,01/03/2025 21:15,c:\\a\r\n"
          b"2,28.02.25 9.05,c:\\b\r\n3,2025. 3. 1. \xec\x98\xa4\xec\xa0\x84 9:15:00,c:\\c\r\n")
    write("results_file", "commas_and_quotes",
          b"\x00Size,Date Modified,Filename\r\n12,01/02/2024 03:04,\"C:\\Bills, 2024\\Gas \"\"May\"\".pdf\"\r\n"
          b"abc\r\n\"\"\r\n7,nodate\r\n,,,,,,,,,,,,,,,,,,,,,,,c:\\x\r\n")


def date_seed(name: str, year_max: int, short_date: bytes, time: bytes, am: bytes, pm: bytes, text: bytes) -> None:
    write("date_key", name, bytes([(year_max - 1900) // 2]) + short(short_date) + short(time) + short(am) +
          short(pm) + text)


def date_seeds() -> None:
    date_seed("united_states", 2049, b"M/d/yyyy", b"h:mm:ss tt", b"AM", b"PM", b"6/1/2025 9:15:00 PM")
    date_seed("britain", 2049, b"dd/MM/yyyy", b"HH:mm:ss", b"", b"", b"01/03/2025 21:15:00")
    date_seed("korea", 2049, b"yyyy. M. d.", b"tt h:mm:ss", "\uc624\uc804".encode(), "\uc624\ud6c4".encode(),
              "2025. 3. 1. \uc624\ud6c4 9:15:00".encode())
    date_seed("spain", 2029, b"dd/MM/yy", b"H:mm:ss", b"a. m.", b"p. m.", b"01/06/25 3:05:09 p. m.")
    date_seed("iso", 2049, b"'day' d.M.yyyy", b"HH 'h' mm", b"", b"", b"2025-03-01T09:15:00")


def search_seed(name: str, search_type: int, term: bytes, exclusions: bytes = None) -> None:
    options = (search_type - 1) | (0x20 if exclusions is not None else 0)
    write("search_command", name, bytes([options]) + short(term) + (exclusions or b""))


def search_seeds() -> None:
    search_seed("files", 1, b"texas")
    search_seed("operators_in_exclusions", 1, b"texas", b"c:\\R&D\\\r\nc:\\x<y>\\\nc:\\p^|q\\\rc:\\%PATH%\\")
    search_seed("term_with_variables", 3, b"%PATH% !x! \"annual report\" a|b (c) 100%")
    search_seed("custom", 4, b"audio: a&b <c> ^d \"e&f\" %temp% !x! 50%^")
    search_seed("custom_line_breaks", 4, b"one\r\ntwo\nthree\x1a")
    search_seed("folders_unbalanced_quote", 2, b"\"a|b", b"\"c:\\program files\\\"\r\n")


def magnora_seeds() -> None:
    write("magnora_command_line", "findaro", b" 128  1  1  1  1  1  1  1  1  1  1  1  0  0  0  1  1  0  1")
    write("magnora_command_line", "preset_and_quotes", b"\"96\" \"\" 2 -1 1 1 1 1 1 1 3 1 7 12 13 1 2 0 1 extra")
    write("magnora_command_line", "huge_numbers", b"99999999999999 -99999999999 1e9 +5 0x10 \"unclosed")


def bookmarks_seeds() -> None:
    chrome = (b'{\r\n "roots": {\r\n  "bookmark_bar": {\r\n   "children": [ {\r\n'
              b'    "name": "News <b>&</b> \\"quotes\\"",\r\n    "type": "url",\r\n'
              b'    "url": "https://example.com/?a=1&b=<2>"\r\n   } ]\r\n  }\r\n }\r\n}\r\n')
    edge = b'{\n "name": "Edge",\n "url": "https://example.org/"\n}\n'
    write("bookmarks", "two_stores", long(chrome) + edge)
    write("bookmarks", "empty", long(b"") + b"")


def copy_seeds() -> None:
    write("copy_page", "page", b"\r\n The page \r\n\r\n\r\n second line  \r\n\tthird\t\r\n")
    write("copy_page", "line_feeds", b"one\n\n\n two \r\r three\r\n\n")
    write("copy_page", "blanks_only", b" \r\n \r\n  ")


def standin_seeds() -> None:
    files_by_date = [b"!c:\\windows\\", b"-size", b"-size-format", b"2", b"-dm", b"/a-d", b"-sort", b"dm",
                     b"-n", b"100", b"-export-csv", b"results.txt", b"texas"]
    write("standin_query", "files_by_date", b"\x00".join(files_by_date))
    write("standin_query", "wildcards_and_or", b"\x00".join([b"*.p?f|*.mp3", b"ext:pdf;mp3", b"!link", b"/ad"]))
    write("standin_query", "options_missing_values", b"\x00".join([b"-n", b"-sort", b"/a-", b"-export-csv"]))


def records_seeds() -> None:
    def record(name: bytes, folder: bytes, date: bytes, size: bytes, folder_flag: int) -> bytes:
        return long(name) + long(folder) + long(date) + long(size) + bytes([folder_flag])
    write("result_records", "plain", record(b"report.txt", b"c:\\users\\ann\\", b"05/17/2023 10:30", b"1500", 0) +
          record(b"letters", b"c:\\users\\ann\\", b"5/18/2023 9:00:00 AM", b"", 1))
    write("result_records", "multibyte", record("\u00e9t\u00e9 \U0001F4C1".encode() * 40, b"c:\\", b"x", b"", 0))


def pe_image(machine: int, resources: bytes = b"") -> bytes:
    """A small program file: headers, .text and .data, and .rsrc when given its
    content (laid out for the address 0x3000)."""
    wide = machine != 0x14C
    optional_size = 240 if wide else 224
    image = bytearray(0x500)
    image[0:2] = b"MZ"
    struct.pack_into("<I", image, 0x3C, 0x40)
    struct.pack_into("<IHH", image, 0x40, 0x4550, machine, 3 if resources else 2)
    struct.pack_into("<HH", image, 0x54, optional_size, 0x22)
    optional = 0x58
    struct.pack_into("<H", image, optional, 0x20B if wide else 0x10B)
    struct.pack_into("<I", image, optional + 60, 0x200)
    struct.pack_into("<H", image, optional + 68, 2)
    directories = optional + (112 if wide else 96)
    struct.pack_into("<I", image, directories - 4, 16)
    sections = optional + optional_size
    struct.pack_into("<IIII", image, sections + 8, 0x1F0, 0x1000, 0x200, 0x200)
    struct.pack_into("<IIII", image, sections + 48, 0x80, 0x2000, 0x100, 0x400)
    image[0x200:0x500] = b"\x90" * 0x300
    if resources:
        raw = (len(resources) + 0x1FF) & ~0x1FF
        struct.pack_into("<IIII", image, sections + 88, len(resources), 0x3000, raw, 0x500)
        struct.pack_into("<II", image, directories + 16, 0x3000, len(resources))
        image += resources + b"\x00" * (raw - len(resources))
    return bytes(image)


def resource_section(key: bytes, version: bytes) -> bytes:
    """RCDATA "UPDATEKEY" and the version resource, each in English."""
    sub = 0x80000000
    root, rcdata, versions = 0, 32, 56      # directories: types, the key's name, the version's number
    key_language, version_language = 80, 104
    key_entry, version_entry = 128, 144
    name = 160
    key_at = 184
    version_at = (key_at + len(key) + 3) & ~3
    s = bytearray(version_at + len(version))
    struct.pack_into("<HH", s, root + 12, 0, 2)
    struct.pack_into("<IIII", s, root + 16, 10, rcdata | sub, 16, versions | sub)
    struct.pack_into("<HHII", s, rcdata + 12, 1, 0, name | sub, key_language | sub)
    struct.pack_into("<HHII", s, versions + 12, 0, 1, 1, version_language | sub)
    for language, entry in ((key_language, key_entry), (version_language, version_entry)):
        struct.pack_into("<HHII", s, language + 12, 0, 1, 0x409, entry)
    struct.pack_into("<II", s, key_entry, 0x3000 + key_at, len(key))
    struct.pack_into("<II", s, version_entry, 0x3000 + version_at, len(version))
    struct.pack_into("<H", s, name, 9)
    s[name + 2:name + 20] = "UPDATEKEY".encode("utf-16-le")
    s[key_at:key_at + len(key)] = key
    s[version_at:] = version
    return bytes(s)


def version_resource(major: int, minor: int) -> bytes:
    info = bytearray(92)
    struct.pack_into("<HHH", info, 0, 92, 52, 0)
    info[6:36] = "VS_VERSION_INFO".encode("utf-16-le")
    struct.pack_into("<IIII", info, 40, 0xFEEF04BD, 0x10000, (major << 16) | minor, 0)
    return bytes(info)


def release_seeds() -> None:
    with open(os.path.join(HERE, "..", "..", "installer", "update_key.der"), "rb") as f:
        key = f.read()
    rsrc = resource_section(key, version_resource(4, 1))
    write("release", "program_32", b"\x00" + pe_image(0x14C, rsrc))
    write("release", "program_64", b"\x01" + pe_image(0x8664, rsrc))
    write("release", "program_without_resources", b"\x01" + pe_image(0x8664))
    write("release", "release_key", b"\x00" + key)
    r = bytes([0x80]) + bytes(range(1, 32))
    s = bytes(range(0x20, 0x40))
    write("release", "signature", b"\x00" + b"\x30\x45\x02\x21\x00" + r + b"\x02\x20" + s)
    write("release", "sign_in_page", b"\x00<!DOCTYPE html><html><body>Sign in to use the network</body></html>")


def regressions() -> None:
    """Inputs that broke a property before their fix, kept so that it stays fixed.

    Inputs that libFuzzer finds later are committed into the same folders as the
    files it wrote; these first ones are written here so that they say what they are.
    """
    def search(name: str, search_type: int, term: bytes, exclusions: bytes = None) -> None:
        options = (search_type - 1) | (0x20 if exclusions is not None else 0)
        write("search_command", name, bytes([options]) + short(term) + (exclusions or b""), "regressions")
    search("ampersand_in_exclusion", 1, b"texas", b"c:\\R&D\\\r\n")
    search("line_feed_in_exclusions", 1, b"texas", b"c:\\a\\\nc:\\b\\\rc:\\c\\")
    search("caret_before_bar_in_exclusion", 1, b"texas", b"c:\\p^|q\\")
    search("angle_brackets_in_exclusion", 2, b"texas", b"c:\\x<y>\\")
    search("variable_in_term", 3, b"%PATH% !path!")
    search("bar_inside_quotes", 1, b"\"a|b\"")
    search("percent_before_operator", 4, b"%&x %|y %\"z%^")
    # The quoting for the client's own argument parsing: a quoted folder whose
    # final backslash stood before the closing quote swallowed every option after
    # it; runs of quotes; and an instance name with a blank, a quote and a final
    # backslash (option bit 0x40 names the instance after the term).
    search("backslash_quote_ends_exclusion", 1, b"texas", b"\"c:\\program files\\\"\r\nc:\\temp\\")
    search("quote_runs_in_term", 4, b'a""b """c d""" e\\"" \\\\"f g')
    write("search_command", "instance_with_blank_and_quote", bytes([0x40]) + short(b'my "inst\\'), "regressions")
    write("settings_file", "quoted_term", b"[All]\r\nSearchTerm=\"\"annual report\"\"\r\n", "regressions")
    write("settings_file", "font_cut_after_blank",
          b"[All]\r\nFontName=\"" + b"f" * 98 + b" and more\"\r\n", "regressions")
    write("settings_file", "nul_in_value", b"[All]\r\nIgnoreList=.lnk\x00.tmp\r\n", "regressions")
    write("results_file", "stray_return_quote_line_feed",
          b"\x00Size,Date Modified,Filename\r\n1,d,\"c:\\a.txt\r\"\n2,d,\"c:\\b.txt\"\r\n", "regressions")
    write("results_file", "line_feeds_only", b"\x00Size,Date Modified,Filename\n1,d,c:\\a\n2,d,c:\\b\n",
          "regressions")
    write("results_file", "return_return_line_feed", b"\x00Size,Date Modified,Filename\r\r\n1,d,c:\\a\r\r\n",
          "regressions")
    write("result_records", "continuation_bytes",
          long(b"x") + long(b"\xbf" * 300) + long(b"\x80" * 256) + long(b"\xa0" * 40) + b"\x00", "regressions")
    write("copy_page", "line_feeds", b"one\n\n\n two \n", "regressions")
    # Found by make fuzz: an empty file has no buffer, and memchr may not be given none.
    write("results_file", "empty_file", b"", "regressions")
    write("search_command", "empty_input", b"", "regressions")


if __name__ == "__main__":
    regressions()
    settings_seeds()
    results_seeds()
    date_seeds()
    search_seeds()
    magnora_seeds()
    bookmarks_seeds()
    copy_seeds()
    standin_seeds()
    records_seeds()
    release_seeds()
