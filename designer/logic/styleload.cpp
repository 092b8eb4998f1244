#include "logic/styleload.h"

namespace designer {

namespace {

constexpr bool eachKeyAppliedOnce() {
    std::array<bool, styleKeyCount> seen{};
    for (const StyleKey key : styleKeysInApplyOrder) {
        if (seen[static_cast<std::size_t>(key)])
            return false;
        seen[static_cast<std::size_t>(key)] = true;
    }
    return true;
}
static_assert(eachKeyAppliedOnce(), "a load sets every control once");

} // namespace

std::vector<LoadStep> styleLoadSteps(const StyleRecord& record) {
    std::vector<LoadStep> steps;
    for (const StyleKey key : styleKeysInApplyOrder) {
        switch (styleKeyInfo(key).form) {
        case TextForm::Integer:
            if (const std::optional<vb::Long> value = record.integer(key))
                steps.push_back({key, *value, false, {}});
            break;
        case TextForm::YesNo:
            if (const std::optional<bool> selected = record.yesNo(key))
                steps.push_back({key, 0, *selected, {}});
            break;
        case TextForm::Text:
            steps.push_back({key, 0, false, record.text(key)});
            break;
        }
    }
    if (record.text(StyleKey::ObjName).isEmpty())
        steps.push_back({StyleKey::ObjName, 0, false, QStringLiteral("[OBJECT]")});
    if (record.fallsBack(StyleKey::ModLine))
        steps.push_back({StyleKey::ModLine, 1, false, {}});
    return steps;
}

} // namespace designer
