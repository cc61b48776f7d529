// libFuzzer target: fills the input fields from the fuzz data and runs the
// core operations in the order the data says, against the in-memory store
// wired like the window. Outputs must stay untouched or hold readable
// numbers, and the only notices are the five fixed texts.
#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/MemoryFieldStore.h"
#include "core/Messages.h"
#include "core/NumberConversion.h"
#include "core/Reset.h"
#include "core/StepFailed.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using taruk::FieldId;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

class CheckingNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override
    {
        const auto &all = taruk::Messages::kAll;
        check(std::find(all.begin(), all.end(), message) != all.end());
    }
};

constexpr std::array kOutputs = {FieldId::Text3, FieldId::Text22, FieldId::Text4, FieldId::Text6};

bool readable(const std::string &text)
{
    try {
        taruk::parseNumber(text);
        return true;
    } catch (const taruk::StepFailed &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Chunks separated by 0x1F: the first ones are field texts, the last
    // one the sequence of operations.
    std::vector<std::string> chunks(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0x1F)
            chunks.emplace_back();
        else
            chunks.back().push_back(static_cast<char>(data[i]));
    }
    const std::string ops = chunks.back();
    chunks.pop_back();

    taruk::MemoryFieldStore store;
    CheckingNotifier notifier;
    store.addListener(FieldId::Text1, [&] { taruk::checkRawDamage(store, notifier); });
    store.addListener(FieldId::Text2, [&] { taruk::checkElementCorrection(store, notifier); });

    std::size_t next = 0;
    for (FieldId id : taruk::kAllFields)
        if (!taruk::isOutputField(id) && next < chunks.size())
            store.setText(id, chunks[next++]);

    for (const char op : ops) {
        std::array<std::string, kOutputs.size()> before;
        for (std::size_t i = 0; i < kOutputs.size(); ++i)
            before[i] = store.getText(kOutputs[i]);

        const auto code = static_cast<unsigned char>(op);
        switch (code % 4) {
        case 0:
        case 1:
            taruk::runDamageCalculation(store, notifier);
            break;
        case 2:
            taruk::resetFields(store);
            break;
        default: {
            // Retype one input field with one of the chunks.
            const FieldId id = taruk::kAllFields[(code / 4) % taruk::kFieldCount];
            if (!taruk::isOutputField(id) && !chunks.empty())
                store.setText(id, chunks[(code / 4) % chunks.size()]);
        }
        }

        for (std::size_t i = 0; i < kOutputs.size(); ++i) {
            const std::string now = store.getText(kOutputs[i]);
            check(now == before[i] || now == taruk::startupText(kOutputs[i]) || readable(now));
        }
    }
    return 0;
}
