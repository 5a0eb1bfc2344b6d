#!/usr/bin/env python3
"""make_corpus: writes the seed corpora of the picture, sound, recipe-line and settings fuzz
targets.

    tests/fuzz/make_corpus.py

Every seed is a tiny well-formed file of a kind the game reads, so each fuzz run starts from
the decoders' main paths; the pictures other programs wrote, which the graphics tests read,
join them. The JPEG seeds are encoded with the system's libjpeg through a small
C program (cc and libjpeg's headers needed); the recipe and bonus lines are taken from the
game's own sources in data/recipes and written in CP932 with CR LF, as the game reads them.
"""

import base64
import os
import struct
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(ROOT))


def write(target, name, data):
    folder = os.path.join(ROOT, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# Pictures ------------------------------------------------------------------------------------

def dib(width, height, bpp, rows, palette=(), compression=0, masks=b"", header=40):
    """A BITMAPINFOHEADER (or a larger one) with its masks, palette and rows."""
    stride = (width * bpp + 31) // 32 * 4
    pixels = b"".join(r.ljust(stride, b"\0") for r in rows)
    info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bpp, compression, len(pixels),
                       2835, 2835, len(palette), 0)
    if header > 40:
        info += masks.ljust(header - 40, b"\0")
        masks = b""
    return info + masks + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + pixels


def bmp(body):
    """A file header in front of a DIB; the pixels close the file."""
    pixels = struct.unpack_from("<I", body, 20)[0]
    offset = 14 + len(body) - pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def core_bmp(width, height, rows, palette):
    """An OS/2 header with one bit a pixel: its palette has as many entries as the depth allows."""
    info = struct.pack("<IhhHH", 12, width, height, 1, 1)
    pal = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in palette)
    pixels = b"".join(r.ljust(4, b"\0") for r in rows)
    offset = 14 + len(info) + len(pal)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + pal + pixels


def pictures():
    rgb = [bytes([0, 0, 255, 0, 255, 0, 255, 0, 0]), bytes([255, 255, 255, 0, 0, 0, 128, 128, 128])]
    write("fuzz_image", "bmp24", bmp(dib(3, 2, 24, rgb)))
    write("fuzz_image", "bmp24_top_down", bmp(dib(3, -2, 24, rgb)))
    palette = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255)]
    write("fuzz_image", "bmp8", bmp(dib(4, 2, 8, [b"\0\1\2\3", b"\3\2\1\0"], palette)))
    write("fuzz_image", "bmp4", bmp(dib(4, 2, 4, [b"\x01\x23", b"\x32\x10"], palette)))
    write("fuzz_image", "bmp1", bmp(dib(9, 2, 1, [b"\xA5\x80", b"\x5A\x00"], palette[:2])))
    write("fuzz_image", "bmp16", bmp(dib(2, 2, 16, [b"\x1F\x00\xE0\x03", b"\x00\x7C\xFF\x7F"])))
    masks = struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    argb = [b"\xFF\x00\x00\x80\x00\xFF\x00\xFF", b"\x00\x00\xFF\x40\x10\x20\x30\x00"]
    write("fuzz_image", "bmp32_bitfields", bmp(dib(2, 2, 32, argb, compression=3, masks=masks[:12])))
    write("fuzz_image", "bmp32_v4_alpha",
          bmp(dib(2, 2, 32, argb, compression=3, masks=masks, header=108)))
    write("fuzz_image", "bmp_core", core_bmp(3, 2, [b"\xA0", b"\x40"], palette[:2]))
    write("fuzz_image", "dib24", dib(3, 2, 24, rgb))
    # Run-length pictures: encoded and absolute runs (one padded), end of line, delta, the end.
    rle8 = b"\3\1\1\2\0\0\0\3\1\2\3\0\0\2\1\0\1\1\0\1"
    write("fuzz_image", "bmp_rle8", bmp(dib(4, 3, 8, [rle8], palette, compression=1)))
    rle4 = b"\5\x12\0\0\0\5\x12\x34\x50\0\0\2\2\0\1\x30\0\1"
    write("fuzz_image", "bmp_rle4", bmp(dib(6, 3, 4, [rle4], palette, compression=2)))

    def dds(width, height, flags, fourcc=b"\0\0\0\0", bits=0, masks=(0, 0, 0, 0), data=b""):
        header = struct.pack("<4sIIIIII", b"DDS ", 124, 0x1007, height, width, 0, 0)
        header = header.ljust(76, b"\0")
        header += struct.pack("<II4sIIIII", 32, flags, fourcc, bits, *masks)
        return header.ljust(128, b"\0") + data

    write("fuzz_image", "dds_argb", dds(2, 2, 0x41, bits=32,
                                        masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000),
                                        data=bytes(range(16))))
    write("fuzz_image", "dds_rgb565", dds(3, 1, 0x40, bits=16, masks=(0xF800, 0x07E0, 0x1F, 0),
                                          data=b"\x00\xF8\xE0\x07\x1F\x00"))
    write("fuzz_image", "dds_rgb24", dds(1, 2, 0x40, bits=24, masks=(0xFF0000, 0xFF00, 0xFF, 0),
                                         data=b"\x01\x02\x03\x04\x05\x06"))
    block = struct.pack("<HHI", 0xF800, 0x001F, 0x1B1B1B1B)
    write("fuzz_image", "dds_dxt1", dds(6, 5, 0x4, b"DXT1", data=block * 4))
    write("fuzz_image", "dds_dxt1_transparent",
          dds(4, 4, 0x4, b"DXT1", data=struct.pack("<HHI", 0x001F, 0xF800, 0xFFE4E4E4)))
    write("fuzz_image", "dds_dxt3", dds(4, 4, 0x4, b"DXT3", data=bytes(range(0, 256, 32)) + block))
    write("fuzz_image", "dds_dxt5",
          dds(4, 4, 0x4, b"DXT5", data=b"\xF0\x10\x24\x92\x49\x24\x92\x49" + block))
    write("fuzz_image", "dds_dxt5_six_alphas",
          dds(4, 4, 0x4, b"DXT5", data=b"\x10\xF0\xFF\xB6\x6D\xDB\xB6\x6D" + block))

    def tga(kind, width, height, depth, body, descriptor=0, cmap=b"", map_depth=0, ident=b""):
        entries = len(cmap) // max(1, (map_depth + 7) // 8)
        header = struct.pack("<BBBHHBHHHHBB", len(ident), 1 if cmap else 0, kind, 0, entries,
                             map_depth, 0, 0, width, height, depth, descriptor)
        return header + ident + cmap + body

    px24 = b"\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00\xFF\xFF\xFF"
    write("fuzz_image", "tga24", tga(2, 2, 2, 24, px24, ident=b"id"))
    write("fuzz_image", "tga32_top_down_right_to_left",
          tga(2, 2, 1, 32, b"\x01\x02\x03\x80\x04\x05\x06\xFF", descriptor=0x38))
    write("fuzz_image", "tga16", tga(2, 1, 2, 16, b"\x1F\x00\xE0\x83"))
    write("fuzz_image", "tga_gray", tga(3, 3, 1, 8, b"\x00\x80\xFF"))
    cmap = b"\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00"
    write("fuzz_image", "tga_mapped", tga(1, 3, 1, 8, b"\x00\x01\x02", cmap=cmap, map_depth=24))
    write("fuzz_image", "tga_rle24", tga(10, 4, 2, 24, b"\x83\x00\x00\xFF\x02" + px24[:9]
                                         + b"\x00\x10\x20\x30"))
    write("fuzz_image", "tga_rle_mapped",
          tga(9, 4, 1, 8, b"\x81\x02\x01\x00\x01", cmap=cmap, map_depth=24))

    # JPEG: gray, colour with subsampling and restart markers, progressive.
    program = r"""
#include <stdio.h>
#include <stdlib.h>
#include <jpeglib.h>
int main(int argc, char** argv) {
    int width = atoi(argv[2]), height = atoi(argv[3]), gray = atoi(argv[4]);
    int progressive = atoi(argv[5]);
    struct jpeg_compress_struct c; struct jpeg_error_mgr e;
    c.err = jpeg_std_error(&e); jpeg_create_compress(&c);
    FILE* f = fopen(argv[1], "wb"); jpeg_stdio_dest(&c, f);
    c.image_width = width; c.image_height = height;
    c.input_components = gray ? 1 : 3; c.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c); jpeg_set_quality(&c, 50, TRUE);
    c.restart_in_rows = progressive ? 0 : 1; c.optimize_coding = TRUE;
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    unsigned char row[3 * 64];
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < width * c.input_components; ++x)
            row[x] = (unsigned char)(x * 37 + c.next_scanline * 11);
        JSAMPROW r = row; jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c); fclose(f); jpeg_destroy_compress(&c); return 0;
}
"""
    with tempfile.TemporaryDirectory() as tmp:
        src, exe = os.path.join(tmp, "jpeg.c"), os.path.join(tmp, "jpeg")
        with open(src, "w") as f:
            f.write(program)
        subprocess.run(["cc", src, "-o", exe, "-ljpeg"], check=True)
        for name, args in [("jpeg_gray", "8 8 1 0"), ("jpeg_colour", "17 9 0 0"),
                           ("jpeg_progressive", "16 16 0 1")]:
            out = os.path.join(tmp, name)
            subprocess.run([exe, out] + args.split(), check=True)
            with open(out, "rb") as f:
                write("fuzz_image", name, f.read())

    # The pictures other programs wrote that the graphics tests read: every PNG colour type and
    # depth, TGAs with alpha bits and grey with alpha, CMYK, YCCK, extended and arithmetic JPEGs.
    images = os.path.join(REPO, "tests", "graphics", "images")
    for name in sorted(os.listdir(images)):
        if name.endswith((".png", ".tga", ".jpg")):
            with open(os.path.join(images, name), "rb") as f:
                write("fuzz_image", "other_" + os.path.splitext(name)[0], f.read())

    # A palette PNG cut inside a text chunk whose length claims 1.8 GB: the fuzzer's find, when
    # the chunk's whole buffer was asked for before its bytes were read.
    write("fuzz_image", "png_text_chunk_claims_gigabytes", base64.b64decode(
        "iVBORw0KGgoAAAANSUhEUgAAAAUAAAADBAMAAACpGNjLAAAABGdBTUEAALGPC/xhBQAAACBjSFJNAAB6JgAAgIQAAPoA"
        "AACA6AAAdTUAAOpgAAA67QAAF3CculE8AAAAIVBMVEUAAAD/gAAQIDD//wD/AAAA/wAAAP////8AAACAgIAKFB7b"
        "bstqAAAABHRSTlMAgEDAOQAAAHBNbyV0RVh0ZGF0LUSuQmCC"))


# Sounds --------------------------------------------------------------------------------------

def chunk(name, body):
    return name + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def wave(channels, bits, rate, samples, extra=b"", before_data=b"", tag=1, extensible=False):
    """Plain PCM by default; `tag` 3 is float, and `extensible` wraps the tag in the extensible
    layout, whose sub-format GUID is the tag followed by one fixed tail."""
    align = channels * bits // 8
    if extensible:
        guid = struct.pack("<I", tag) + bytes.fromhex("000010008000" "00aa00389b71")
        extra = struct.pack("<HHI", 22, bits, 3 if channels == 2 else 4) + guid + extra
        tag = 0xFFFE
    fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits) + extra
    body = b"WAVE" + chunk(b"fmt ", fmt) + before_data + chunk(b"data", samples)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def sounds():
    write("fuzz_wave", "mono8", wave(1, 8, 11025, bytes([128, 200, 255, 0, 60, 128])))
    write("fuzz_wave", "stereo16_with_list",
          wave(2, 16, 22050, struct.pack("<8h", 0, 0, 32767, -32768, 1000, -1000, 5, 7),
               before_data=chunk(b"LIST", b"INFOx")))
    write("fuzz_wave", "mono16_extended_format",
          wave(1, 16, 44100, struct.pack("<4h", 1, 2, 3, 4), extra=b"\0\0"))
    write("fuzz_wave", "stereo16_extensible",
          wave(2, 16, 8000, struct.pack("<4h", 0, -1, 32767, -32768), extensible=True))
    int24 = b"".join(v.to_bytes(3, "little", signed=True) for v in (0, -1, 8388607, -8388608))
    write("fuzz_wave", "stereo24", wave(2, 24, 8000, int24))
    write("fuzz_wave", "mono24_extensible", wave(1, 24, 96000, int24, extensible=True))
    write("fuzz_wave", "mono32_extensible",
          wave(1, 32, 8000, struct.pack("<3i", 1, -2147483648, 2147483647), extensible=True))
    # Floats past full scale and not a number at all, which the reader bounds.
    floats = (0.5, -1.0, 1.5, float("nan"), float("-inf"), 0.0)
    write("fuzz_wave", "stereo_float32", wave(2, 32, 22050, struct.pack("<6f", *floats), tag=3,
                                              extra=b"\0\0"))
    write("fuzz_wave", "mono_float64", wave(1, 64, 8000, struct.pack("<6d", *floats), tag=3))
    write("fuzz_wave", "stereo_float32_extensible",
          wave(2, 32, 44100, struct.pack("<6f", *floats), tag=3, extensible=True))

    def track(events):
        return b"MTrk" + struct.pack(">I", len(events)) + events

    def smf(fmt, division, tracks):
        return b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division) + b"".join(tracks)

    end = b"\x00\xFF\x2F\x00"
    tempo = b"\x00\xFF\x51\x03\x07\xA1\x20"
    notes = (b"\x00\xC0\x05\x00\x90\x3C\x64\x60\x3C\x00\x00\x3E\x64\x81\x40\x80\x3E\x40"
             b"\x00\xB0\x07\x64\x00\xE0\x00\x40")
    write("fuzz_midi", "format0", smf(0, 96, [track(tempo + notes + end)]))
    write("fuzz_midi", "format1_sysex_and_tempo_change",
          smf(1, 480, [track(tempo + b"\x83\x60\xFF\x51\x03\x0F\x42\x40" + b"\x00\xFF\x03\x04name"
                             + end),
                       track(b"\x00\xF0\x05\x7E\x7F\x09\x01\xF7" + notes + b"\x00\xF7\x01\xF7"
                             + b"\x10\xD0\x20" + end)]))
    write("fuzz_midi", "smpte_with_foreign_chunk",
          b"MThd" + struct.pack(">IHHH", 6, 0, 1, 0xE728) + b"XFIH\0\0\0\2ab"
          + track(notes + end))


# Recipe and bonus lines ----------------------------------------------------------------------

def lines():
    def source(name):
        with open(os.path.join(REPO, "data", "recipes", name), encoding="utf-8") as f:
            return [l.rstrip("\n") for l in f]

    recipes = source("vemu01.txt")
    records = [l for l in recipes if l and not l.startswith(";")]
    plain = records[:4]
    dishes = [l for l in records if l.count(",") > 14][:4]
    def cp932(rows, ending=b"\r\n"):
        return b"".join(r.encode("cp932") + ending for r in rows)

    # The first byte: the high bit picks the bonus parser, the rest the size of the reads.
    write("fuzz_recipe_lines", "recipes", b"\x7F" + cp932(recipes[:2] + plain + dishes))
    write("fuzz_recipe_lines", "recipes_small_reads_cr_only",
          b"\x02" + cp932(plain[:2] + [dishes[0], dishes[0]], b"\r"))
    write("fuzz_recipe_lines", "recipes_overlong_line",
          b"\x40" + cp932([plain[0] + "," * 1100, "x" * 1023, dishes[1]]))
    bonuses = [l for l in source("vemu02.txt") if l and not l.startswith(";")]
    write("fuzz_recipe_lines", "bonuses", b"\xFF" + cp932(bonuses[:6]))


# Settings -------------------------------------------------------------------------------------

def settings():
    # As the game writes it at quit.
    write("fuzz_settings", "as_written",
          b"[Vemu]\nMidi=1\nWave=1\nWindow=1\nbgm_vol=100\ncx=646\ncy=524\nsound_vol=100\n"
          b"x=0\ny=0\n\n")
    # As a player might edit it: comments, CR LF, spaces, a key before any section, a section met
    # twice, numbers with signs and trailing text, lines that are neither.
    write("fuzz_settings", "hand_edited",
          b"; settings\r\nstray=1\r\n[ Vemu ]\r\n  x = -12 \r\nbutton1=90z\r\n# note\r\n"
          b"[Other]\r\nx=7\r\nno equals sign\r\n[Vemu]\r\nbgm_vol=+40\r\ncy=99999999999\r\n"
          b"[]\r\n=empty key\r\n[broken\r\n")
    # Two values near the int limit, whose sum does not fit in one.
    write("fuzz_settings", "values_past_the_limit", b"[Vemu]\ncy=99999999999\ny=99999999999\n")


if __name__ == "__main__":
    pictures()
    sounds()
    lines()
    settings()
