#!/usr/bin/env python3
"""Writes the tone that the decoder tests get as MP3: 440 Hz at half of full scale in both
channels, 16-bit PCM at 44.1 kHz. Arguments: the WAV file and its length in seconds."""
import math
import struct
import sys
import wave

RATE = 44100
FREQUENCY = 440.0


def main() -> None:
    path, seconds = sys.argv[1], int(sys.argv[2])
    frames = bytearray()
    for n in range(RATE * seconds):
        sample = round(16383 * math.sin(2 * math.pi * FREQUENCY * n / RATE))
        frames += struct.pack("<hh", sample, sample)
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
