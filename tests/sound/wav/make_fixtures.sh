#!/bin/sh
# Writes the WAVE fixtures of the sound tests, made by sox (a short tone at 8 kHz), and beside
# each file that the game plays, sox's own reading of it as interleaved 32-bit float (.f32),
# which the tests compare sample for sample. The tests read only the committed results.
#
#     tests/sound/wav/make_fixtures.sh      (needs sox and python3)
set -e
cd "$(dirname "$0")"
tone() {
    out=$1
    shift
    sox -n -r 8000 "$@" "$out" synth 0.005 sine 440 sine 660
}

# What common tools write beyond plain 8 and 16 bits: sox writes 24 and 32-bit integers as
# WAVE_FORMAT_EXTENSIBLE unless asked for the plain layout (-t wavpcm), floats plainly.
tone pcm24_stereo_extensible.wav -c 2 -b 24
tone pcm24_stereo.wav -c 2 -b 24 -t wavpcm
tone pcm32_mono_extensible.wav -c 1 -b 32
tone float32_stereo.wav -c 2 -e floating-point -b 32
tone float64_mono.wav -c 1 -e floating-point -b 64

# sox writes 16-bit and float stereo plainly; other editors wrap them as WAVE_FORMAT_EXTENSIBLE,
# made here by rewriting the format chunk of sox's plain file.
tone plain16.tmp.wav -c 2 -b 16
tone plainfloat.tmp.wav -c 2 -e floating-point -b 32
python3 - <<'PY'
import struct

def extensible(src, dst):
    data = open(src, "rb").read()
    pos, chunks = 12, []
    while pos + 8 <= len(data):
        cid, n = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        chunks.append((cid, data[pos + 8:pos + 8 + n]))
        pos += 8 + n + (n & 1)
    out = b""
    for cid, body in chunks:
        if cid == b"fmt ":
            tag, channels, rate, per_second, align, bits = struct.unpack_from("<HHIIHH", body)
            guid = struct.pack("<I", tag) + bytes.fromhex("000010008000 00aa00389b71".replace(" ", ""))
            body = struct.pack("<HHIIHHHHI", 0xFFFE, channels, rate, per_second, align, bits,
                               22, bits, 3) + guid
        out += cid + struct.pack("<I", len(body)) + body + b"\0" * (len(body) & 1)
    open(dst, "wb").write(b"RIFF" + struct.pack("<I", 4 + len(out)) + b"WAVE" + out)

extensible("plain16.tmp.wav", "pcm16_stereo_extensible.wav")
extensible("plainfloat.tmp.wav", "float32_stereo_extensible.wav")
PY
rm plain16.tmp.wav plainfloat.tmp.wav

for f in pcm*.wav float*.wav; do
    sox -D "$f" -t f32 "${f%.wav}.f32"
done

# Compressed encodings, which the game does not play.
tone mulaw.wav -c 1 -e u-law
tone ima_adpcm.wav -c 1 -e ima-adpcm
tone gsm.wav -c 1 -e gsm-full-rate
