#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>
#include "TextDocument.h"

using namespace gvedit;

namespace {

// Keeps its own copy of the text from the notifications alone.
class ShadowText : public TextObserver
{
public:
    void TextInserted(int offset, std::u16string_view text) override { m_text.insert(offset, text); }
    void TextDeleted(int offset, std::u16string_view removed) override
    {
        EXPECT_EQ(m_text.substr(offset, removed.size()), removed);
        m_text.erase(offset, removed.size());
    }
    std::u16string m_text;
};

std::vector<int> RowStartsOf(const std::u16string& text)
{
    std::vector<int> starts{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            starts.push_back(static_cast<int>(i + 1));
    }
    return starts;
}

// The whole text and every row start; RowFromOffset on one row, picked by
// probe, since a check of every row at every step would dominate the run.
::testing::AssertionResult SameAs(const TextBuffer& buffer, const std::u16string& model, size_t probe = 0)
{
    if (buffer.Text() != model)
        return ::testing::AssertionFailure() << "text differs";
    const std::vector<int> starts = RowStartsOf(model);
    if (buffer.Rows() != static_cast<int>(starts.size()))
        return ::testing::AssertionFailure() << "rows " << buffer.Rows() << " expected " << starts.size();
    for (size_t r = 0; r < starts.size(); ++r)
        if (buffer.RowStart(static_cast<int>(r)) != starts[r])
            return ::testing::AssertionFailure()
                   << "row " << r << " starts at " << buffer.RowStart(static_cast<int>(r)) << " expected " << starts[r];
    const int row = static_cast<int>(probe % starts.size());
    const int end = row + 1 < buffer.Rows() ? starts[row + 1] - 1 : static_cast<int>(model.size());
    if (buffer.RowEnd(row) != end || buffer.RowFromOffset(starts[row]) != row || buffer.RowFromOffset(end) != row)
        return ::testing::AssertionFailure() << "row " << row << " ends or is found wrongly";
    return ::testing::AssertionSuccess();
}

std::u16string RandomText(std::mt19937& random, int maxLength)
{
    static const char16_t alphabet[] = u"ab c\n\t\x00e9\n";
    std::u16string text(random() % maxLength + 1, u' ');
    for (char16_t& c : text)
        c = alphabet[random() % 9];
    return text;
}

} // namespace

// Seeded random edits of every kind against a plain string: after each edit,
// after each undo back to the empty start, and after each redo to the end, the
// text and every row agree with the model, the restored selection is the one
// recorded, and the observer has seen every change.
TEST(TextCoreRandomTest, EditsUndoAndRedoMatchAStringModel)
{
    constexpr int kRounds = 20;
    constexpr int kEditsPerRound = 5000;
    std::mt19937 random(20261206);
    for (int round = 0; round < kRounds; ++round) {
        ShadowText shadow;
        TextDocument document(&shadow);
        std::u16string model;
        // states[k]: the text with k steps done; befores[k]/afters[k]: the
        // selections of step k + 1.
        std::vector<std::u16string> states{u""};
        std::vector<Selection> befores, afters;
        int typingAt = -1;
        for (int edit = 0; edit < kEditsPerRound; ++edit) {
            const int length = static_cast<int>(model.size());
            const unsigned kind = random() % 100;
            const Selection before{static_cast<int>(random() % (length + 1)),
                                   static_cast<int>(random() % (length + 1))};
            const size_t stepsBefore = document.History().Current();
            Selection after{};
            if (kind < 6 && document.History().CanUndo()) {
                Selection restored;
                ASSERT_TRUE(document.Undo(restored));
                EXPECT_EQ(befores[document.History().Current()], restored);
                model = states[document.History().Current()];
                ASSERT_TRUE(SameAs(document.Buffer(), model));
                continue;
            }
            if (kind < 9 && document.History().CanRedo()) {
                Selection restored;
                ASSERT_TRUE(document.Redo(restored));
                EXPECT_EQ(afters[document.History().Current() - 1], restored);
                model = states[document.History().Current()];
                ASSERT_TRUE(SameAs(document.Buffer(), model));
                continue;
            }
            if (kind < 45 && typingAt >= 0 && typingAt <= length) {
                // Typing continues where it stopped and coalesces.
                const std::u16string typed(1, u"xy \n"[random() % 4]);
                document.Insert(typingAt, typed, UndoRecord{kUndoTyping, true, before});
                model.insert(typingAt, typed);
                typingAt += 1;
                after = Selection{typingAt, typingAt};
            } else if ((kind < 70 && length < 400) || length == 0) {
                const int offset = static_cast<int>(random() % (length + 1));
                const std::u16string text = RandomText(random, random() % 10 == 0 ? 200 : 12);
                const unsigned reason = random() % 2 ? kUndoPaste : kUndoTyping;
                document.Insert(offset, text, UndoRecord{reason, random() % 2 == 0, before});
                model.insert(offset, text);
                typingAt = offset + static_cast<int>(text.size());
                after = Selection{typingAt, typingAt};
            } else {
                const int offset = static_cast<int>(random() % length);
                const int count =
                    1 + static_cast<int>(random() % std::min(length - offset, random() % 10 == 0 ? 300 : 6));
                const unsigned reasons[] = {kUndoBackspace, kUndoDelete, kUndoCut, kUndoBreak};
                document.Delete(offset, count, UndoRecord{reasons[random() % 4], random() % 3 != 0, before});
                model.erase(offset, count);
                typingAt = -1;
                after = Selection{offset, offset};
            }
            if (random() % 50 == 0) {
                document.History().BreakGroup();
                typingAt = -1;
            }
            const size_t steps = document.History().Current();
            ASSERT_TRUE(steps == stepsBefore || steps == stepsBefore + 1);
            states.resize(stepsBefore + 1);
            befores.resize(stepsBefore);
            afters.resize(stepsBefore);
            if (steps == stepsBefore) {
                states.back() = model;
                afters.back() = after;
            } else {
                states.push_back(model);
                befores.push_back(before);
                afters.push_back(after);
            }
            ASSERT_TRUE(SameAs(document.Buffer(), model, edit)) << "round " << round << " edit " << edit;
        }
        ASSERT_EQ(shadow.m_text, model);
        Selection restored;
        while (document.History().CanUndo()) {
            ASSERT_TRUE(document.Undo(restored));
            const size_t k = document.History().Current();
            ASSERT_EQ(befores[k], restored);
            ASSERT_TRUE(SameAs(document.Buffer(), states[k], k)) << "undo to step " << k;
        }
        EXPECT_TRUE(document.Buffer().Text().empty());
        EXPECT_FALSE(document.Undo(restored));
        while (document.History().CanRedo()) {
            ASSERT_TRUE(document.Redo(restored));
            const size_t k = document.History().Current();
            ASSERT_EQ(afters[k - 1], restored);
            ASSERT_TRUE(SameAs(document.Buffer(), states[k], k)) << "redo to step " << k;
        }
        EXPECT_EQ(shadow.m_text, states.back());
    }
}

// Large blocks of rows inserted and removed far apart move the pending shift
// of the row table back and forth.
TEST(TextCoreRandomTest, RowsStayExactUnderFarApartEdits)
{
    std::mt19937 random(7);
    TextBuffer buffer;
    std::u16string model;
    for (int i = 0; i < 2000; ++i)
        model += u"row " + std::u16string(i % 7, u'x') + u"\n";
    buffer.Insert(0, model);
    ASSERT_TRUE(SameAs(buffer, model));
    for (int edit = 0; edit < 3000; ++edit) {
        const int offset = static_cast<int>(random() % (model.size() + 1));
        if (random() % 2 && model.size() > 10) {
            const int count = std::min<int>(static_cast<int>(model.size()) - offset, random() % 40);
            buffer.Delete(offset, count);
            model.erase(offset, count);
        } else {
            const std::u16string text = RandomText(random, 30);
            buffer.Insert(offset, text);
            model.insert(offset, text);
        }
        // A row far away, so the step moves.
        const int row = static_cast<int>(random() % buffer.Rows());
        ASSERT_EQ(buffer.RowFromOffset(buffer.RowStart(row)), row);
    }
    for (int row = 0; row < buffer.Rows(); row += 97)
        ASSERT_TRUE(SameAs(buffer, model, row));
}

// Typed characters make one step, a paste is one step of its own, and undo
// gives back the selection from before the step.
TEST(TextCoreRandomTest, TypingCoalescesAndPasteIsOneStep)
{
    TextDocument document;
    const char16_t* typed = u"float";
    for (int i = 0; i < 5; ++i)
        document.Insert(i, std::u16string(1, typed[i]), UndoRecord{kUndoTyping, true, Selection{i, i}});
    document.Insert(5, u" a;", UndoRecord{kUndoPaste, false, Selection{5, 5}});
    document.Insert(8, u"\n", UndoRecord{kUndoTyping, true, Selection{8, 8}});
    // A paste replacing a selection: the delete starts a step, the insert joins it.
    document.Delete(0, 5, UndoRecord{kUndoPaste, false, Selection{0, 5}});
    document.Insert(0, u"half", UndoRecord{kUndoPaste, true, Selection{0, 5}});
    EXPECT_EQ(document.Buffer().Text(), u"half a;\n");
    EXPECT_EQ(document.History().Steps(), 4u);

    const std::pair<const char16_t*, Selection> undos[] = {
        {u"float a;\n", {0, 5}}, {u"float a;", {8, 8}}, {u"float", {5, 5}}, {u"", {0, 0}}};
    for (const auto& [text, selection] : undos) {
        Selection restored;
        ASSERT_TRUE(document.Undo(restored));
        EXPECT_EQ(std::make_pair(document.Buffer().Text(), restored), std::make_pair(std::u16string(text), selection));
    }
    Selection restored;
    EXPECT_FALSE(document.Undo(restored));
    ASSERT_TRUE(document.Redo(restored));
    EXPECT_EQ(std::make_pair(document.Buffer().Text(), restored),
              std::make_pair(std::u16string(u"float"), Selection{5, 5}));
    // A new edit drops what could be redone.
    document.Insert(0, u"x", UndoRecord{kUndoTyping, true, Selection{0, 0}});
    EXPECT_FALSE(document.History().CanRedo());
}
