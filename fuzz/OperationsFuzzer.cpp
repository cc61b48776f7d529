// libFuzzer target: fills the input fields from the fuzz data and runs the
// core operations in the order the data says, against the in-memory store
// wired like the window, side by side with the reference model. After every
// operation both hold the same 24 texts and have shown the same notices.
#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/MemoryFieldStore.h"
#include "core/Reset.h"
#include "fuzz/ReferenceCalculator.h"

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

class RecordingNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

int number(FieldId id) { return static_cast<int>(taruk::fieldIndex(id)) + 1; }

void run(const std::vector<std::string> &chunks, const std::string &ops,
         const reference::Reader &numbers)
{
    const char sep = numbers.separator();
    taruk::MemoryFieldStore store;
    RecordingNotifier notifier;
    store.addListener(FieldId::Text1, [&] { taruk::checkRawDamage(store, notifier, sep); });
    store.addListener(FieldId::Text2, [&] { taruk::checkElementCorrection(store, notifier, sep); });
    reference::Calculator model(numbers);

    const auto setText = [&](FieldId id, const std::string &text) {
        store.setText(id, text);
        model.setText(number(id), text);
    };
    const auto same = [&] {
        for (FieldId id : taruk::kAllFields)
            check(store.getText(id) == model.text(number(id)));
        check(notifier.messages == model.notices);
    };

    std::size_t next = 0;
    for (FieldId id : taruk::kAllFields)
        if (!taruk::isOutputField(id) && next < chunks.size())
            setText(id, chunks[next++]);
    same();

    for (const char op : ops) {
        const auto code = static_cast<unsigned char>(op);
        switch (code % 4) {
        case 0:
        case 1:
            taruk::runDamageCalculation(store, notifier, sep);
            model.calculate();
            break;
        case 2:
            taruk::resetFields(store);
            model.reset();
            break;
        default: {
            // Retype one input field with one of the chunks.
            const FieldId id = taruk::kAllFields[(code / 4) % taruk::kFieldCount];
            if (!taruk::isOutputField(id) && !chunks.empty())
                setText(id, chunks[(code / 4) % chunks.size()]);
        }
        }
        same();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const reference::Reader point('.');
    static const reference::Reader comma(',');

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

    run(chunks, ops, point);
    run(chunks, ops, comma);
    return 0;
}
