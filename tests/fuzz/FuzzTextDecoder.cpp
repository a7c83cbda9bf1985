// Any bytes, fed in pieces of any size, give the lines the rules give for the whole text at
// once, with the Big5 codec and without it; a decoder that stops reading early has failed.
#include "ReferenceText.h"
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Check(QByteArrayView bytes, const char* codec, qsizetype piece)
{
    const PracticeLines expected = reference::Lines(bytes, codec);
    TextDecoder decoder(codec);
    bool stopped = false;
    for (qsizetype at = 0; at < bytes.size() && !stopped; at += piece)
        stopped = !decoder.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    const PracticeLines got = decoder.finish();
    if (got.status != expected.status || got.lines != expected.lines
        || (stopped && got.status != PracticeLines::Status::Failed)) {
        std::fprintf(stderr, "codec %s, pieces of %lld: status %d, %lld lines; expected %d, %lld lines\n",
                     codec, qlonglong(piece), int(got.status), qlonglong(got.lines.size()),
                     int(expected.status), qlonglong(expected.lines.size()));
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte sets the size of the pieces; the rest is the text.
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    const qsizetype piece = data[0] < 192 ? data[0] % 16 + 1 : bytes.size() + 1;
    Check(bytes, kBig5Codec, piece);
    Check(bytes, "no-such-codec", piece);
    return 0;
}
