// SPDX-License-Identifier: GPL-3.0-or-later
// The field reader of every data file against the reference reader: the same
// lines and fields, and reading numbers or skipping lines always ends.
#include "Check.h"
#include "Models.h"
#include "ui/DataFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    KITE_CHECK(kt::FieldReader::readAll(data) == model::fields(data));

    kt::FieldReader reader(data);
    qsizetype reads = 0;
    while (!reader.atEnd()) {
        KITE_CHECK(++reads <= data.size());
        KITE_CHECK(std::isfinite(reader.number()));
        if (reads % 3 == 0)
            reader.skipLine();
    }
    KITE_CHECK(!reader.pastEnd());
    return 0;
}
