#include "core/Reset.h"
#include "tests/core/WiredStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using taruk::FieldId;

namespace {

using F = FieldId;

void dirtyEveryField(WiredStore &w)
{
    for (FieldId id : taruk::kAllFields)
        w.store.setText(id, "x");
    w.notifier.messages.clear();
}

TEST(Reset, WritesEveryFieldOnceInFixedOrder)
{
    WiredStore w;
    dirtyEveryField(w);
    std::vector<FieldId> order;
    for (FieldId id : taruk::kAllFields)
        w.store.addListener(id, [&order, id] { order.push_back(id); });

    taruk::resetFields(w.store);

    const std::vector<FieldId> expected = {
        F::Text1,  F::Text2,  F::Text3,  F::Text4,  F::Text5,  F::Text6,  F::Text11, F::Text12,
        F::Text13, F::Text10, F::Text7,  F::Text8,  F::Text9,  F::Text14, F::Text15, F::Text16,
        F::Text17, F::Text18, F::Text19, F::Text20, F::Text21, F::Text22, F::Text23, F::Text24};
    EXPECT_EQ(order, expected);
}

TEST(Reset, RestoresStartupTexts)
{
    WiredStore w;
    dirtyEveryField(w);
    taruk::resetFields(w.store);
    // Raw damage and correction 1, the two results empty, everything else 0.
    for (FieldId id : taruk::kAllFields) {
        const std::string expected = id == F::Text1 || id == F::Text2   ? "1"
                                     : id == F::Text4 || id == F::Text6 ? ""
                                                                        : "0";
        EXPECT_EQ(w.store.getText(id), expected) << taruk::fieldName(id);
    }
}

// The checks run nested inside the reset, each on its field's new text, and
// Text2 is still invalid when the check of Text1 runs.
TEST(Reset, RunsBothChecksWithoutNotice)
{
    WiredStore w;
    dirtyEveryField(w);
    std::vector<std::string> seen;
    w.store.addListener(F::Text1, [&] { seen.push_back("1:" + w.store.getText(F::Text2)); });
    w.store.addListener(F::Text2, [&] { seen.push_back("2:" + w.store.getText(F::Text2)); });

    taruk::resetFields(w.store);

    EXPECT_EQ(seen, (std::vector<std::string>{"1:x", "2:1"}));
    EXPECT_TRUE(w.notifier.messages.empty());
}

} // namespace
