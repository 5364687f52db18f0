#!/usr/bin/env python3
"""Questions about the raw output that SDL's "disk" audio driver writes, with
the standard library alone.

The file holds interleaved stereo frames at 44100 Hz in the device format,
without a header: signed 16-bit little-endian (what the game's mixer asks
for) or 32-bit float (what SDL may pick instead). Real float audio stays
within about -1..1, while 16-bit sound read as floats gives huge values or
NaNs, so a file whose floats all stay small is float; silence is all zero
bytes in both formats.

  audio.py peak FILE END [START]
      print the loudest sample of the bytes before END (and from START), as
      a fraction of full scale (0 for digital silence)
  audio.py bursts FILE FROM
      print one line "START_BYTE END_BYTE SECONDS PEAK COMPLETE" per burst
      of sound that starts at or after byte FROM. Sound parts less than
      GAP_SECONDS apart belong to one burst; a burst is COMPLETE (1) once at
      least QUIET_SECONDS of silence follow it in the file.
"""
import array
import math
import sys

RATE = 44100
CHANNELS = 2
LOUD = 0.01  # a sample this far from zero is sound (1% of full scale)
GAP_SECONDS = 0.05
QUIET_SECONDS = 0.15
BLOCK_FRAMES = 64


def fail(message):
    print("Error: " + message, file=sys.stderr)
    sys.exit(2)


def read(path):
    try:
        with open(path, "rb") as file:
            return file.read()
    except OSError as error:
        fail("cannot read %s: %s" % (path, error))


def samples(data):
    """(sample array, bytes per frame, full scale) for the detected format."""
    whole = len(data) - len(data) % 8  # the game may be mid-write
    if whole:
        floats = array.array("f")
        floats.frombytes(data[:whole])
        if sys.byteorder != "little":
            floats.byteswap()
        if all(not math.isnan(x) and abs(x) <= 4.0 for x in floats):
            return floats, 8, 1.0
    shorts = array.array("h")
    shorts.frombytes(data[:whole])
    if sys.byteorder != "little":
        shorts.byteswap()
    return shorts, 4, 32768.0


def loud_blocks(values, frame_bytes, scale):
    """Per block of BLOCK_FRAMES frames: its peak as a fraction of full scale."""
    step = BLOCK_FRAMES * CHANNELS
    peaks = []
    for start in range(0, len(values), step):
        block = values[start:start + step]
        peaks.append(max(max(block), -min(block)) / scale if block else 0.0)
    return peaks


def bursts(path, first_byte):
    data = read(path)
    values, frame_bytes, scale = samples(data)
    block_bytes = BLOCK_FRAMES * frame_bytes
    peaks = loud_blocks(values, frame_bytes, scale)
    gap_blocks = max(1, int(GAP_SECONDS * RATE / BLOCK_FRAMES))
    quiet_blocks = int(QUIET_SECONDS * RATE / BLOCK_FRAMES)
    found = []  # [first block, last block, peak]
    for index in range(first_byte // block_bytes, len(peaks)):
        if peaks[index] < LOUD:
            continue
        if found and index - found[-1][1] <= gap_blocks:
            found[-1][1] = index
            found[-1][2] = max(found[-1][2], peaks[index])
        else:
            found.append([index, index, peaks[index]])
    for first, last, peak in found:
        seconds = (last + 1 - first) * BLOCK_FRAMES / RATE
        complete = 1 if len(peaks) - 1 - last >= quiet_blocks else 0
        print("%d %d %.3f %.3f %d" % (first * block_bytes, (last + 1) * block_bytes, seconds, peak, complete))


def peak_before(path, end_byte, start_byte=0):
    data = read(path)[start_byte - start_byte % 8:end_byte]
    if len(data) < 8:
        print("0.000000")
        return
    values, _, scale = samples(data)
    print("%.6f" % (max(max(values), -min(values)) / scale))


def main(argv):
    if len(argv) in (4, 5) and argv[1] == "peak":
        peak_before(argv[2], int(argv[3]), int(argv[4]) if len(argv) == 5 else 0)
    elif len(argv) == 4 and argv[1] == "bursts":
        bursts(argv[2], int(argv[3]))
    else:
        fail("usage: audio.py peak FILE END [START] | audio.py bursts FILE FROM")


if __name__ == "__main__":
    main(sys.argv)
