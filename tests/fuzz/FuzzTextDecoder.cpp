// Any bytes, fed in pieces of any size, give the lines the rules give for the whole text at
// once, with the Big5 codec and without it. A decoder that stops reading early has refused the
// text; why depends on how far it read, as the encoding does.
#include "ReferenceText.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte sets the size of the pieces; the rest is the text.
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    const qsizetype piece = data[0] < 192 ? data[0] % 16 + 1 : bytes.size() + 1;
    for (const char* codec : {Big5Codec, "no-such-codec"}) {
        TextDecoder decoder(codec);
        bool stopped = false;
        for (qsizetype at = 0; at < bytes.size() && !stopped; at += piece)
            stopped = !decoder.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
        const PracticeLines got = decoder.finish(), expected = reference::practiceLines(bytes, codec);
        const auto refused = [](const PracticeLines& text) {
            return text.status != PracticeLines::Status::Loaded && text.status != PracticeLines::Status::Big5CodecMissing;
        };
        if (stopped ? !refused(got) || !refused(expected) : got.status != expected.status || got.lines != expected.lines)
            std::abort();
    }
    return 0;
}
