// The fuzz target of the case-file reader: whatever the bytes, reading ends with a whole document or a refusal that
// says why, never both and never a part; a document read back from what it writes is the same document, byte for byte.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "app/case/case_file.h"
#include "app/pages/page_list.h"

namespace {

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vxr::app;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool session : {false, true}) {
        const casefile::Reading read = casefile::parse(bytes, session);
        require(read.document.has_value() == read.error.isEmpty(), "a document and a refusal, or neither");
        if (!read.document) continue;
        require(read.document->pages.size() == pages().size(), "a page left out");
        const QByteArray written = casefile::serialize(*read.document, session);
        const casefile::Reading again = casefile::parse(written, session);
        require(again.document && again.skipped.isEmpty(), "what was written does not read back");
        require(casefile::serialize(*again.document, session) == written, "saving what was read changes it");
    }
    return 0;
}
