#include "window/sliderrow.h"

#include <QtGlobal>

namespace designer {

SliderRows::SliderRows(const std::array<SliderRow, sliderRowCount>& rows)
    : rows_(rows) {
    for (const SliderRow& row : rows_)
        Q_ASSERT(row.slider && row.valueBox && styleKeyInfo(row.key).form == TextForm::Integer);
}

const SliderRow* SliderRows::find(StyleKey key) const {
    for (const SliderRow& row : rows_)
        if (row.key == key)
            return &row;
    return nullptr;
}

const SliderRow& SliderRows::operator[](StyleKey key) const {
    const SliderRow* row = find(key);
    Q_ASSERT(row);
    return *row;
}

QSlider* SliderRows::slider(StyleKey key) const {
    const SliderRow* row = find(key);
    return row ? row->slider : nullptr;
}

} // namespace designer
