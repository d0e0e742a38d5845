#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

#include "GvVariables.h"
#include "HostTestSupport.h"

namespace {

using VariablesTest = GvLeakCheckedTest;

const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST_F(VariablesTest, FloatAndIntegerClampWhenClampedAndKeepTheRangeOrdered)
{
    GvFloatVariable f(3.0f);
    EXPECT_FLOAT_EQ(3.0f, f.GetValue()) << "unclamped values stay as written";
    f.SetRange(2.0f, -2.0f);
    EXPECT_EQ(std::make_tuple(-2.0f, 2.0f, 3.0f), std::make_tuple(f.GetMin(), f.GetMax(), f.GetValue()));
    f.SetClamped(true);
    EXPECT_FLOAT_EQ(2.0f, f.GetValue()) << "turning clamping on clamps the value";
    f.SetValue(-7.0f);
    EXPECT_FLOAT_EQ(-2.0f, f.GetValue());
    f.SetRange(-1.0f, 0.5f);
    EXPECT_FLOAT_EQ(-1.0f, f.GetValue()) << "a narrower range clamps again";
    f.SetValue(kNaN);
    f.SetRange(kNaN, 4.0f);
    EXPECT_EQ(std::make_pair(-1.0f, 0.5f), std::make_pair(f.GetValue(), f.GetMax()));
    GvIntegerVariable i(150);
    EXPECT_EQ(std::make_pair(0, 100), std::make_pair(i.GetMin(), i.GetMax()));
    i.SetClamped(true);
    EXPECT_EQ(100, i.GetValue());
    i.SetRange(10, -10);
    EXPECT_EQ(10, i.GetValue());
    i.SetValue(-11);
    EXPECT_EQ(-10, i.GetValue());
    i.SetClamped(false);
    i.SetValue(-11);
    EXPECT_EQ(-11, i.GetValue());
}

TEST_F(VariablesTest, VectorNormalizesXyzAfterClampingAndLeavesW)
{
    GvVectorVariable v(3.0f, 0.0f, 4.0f, 9.0f);
    v.SetNormalized(true);
    EXPECT_FLOAT_EQ(0.6f, v.GetElement(0));
    EXPECT_FLOAT_EQ(0.0f, v.GetElement(1));
    EXPECT_FLOAT_EQ(0.8f, v.GetElement(2));
    EXPECT_FLOAT_EQ(9.0f, v.GetElement(3));
    v.SetElement(1, 0.8f); // (0.6, 0.8, 0.8) normalised
    const float length = std::sqrt(0.6f * 0.6f + 0.8f * 0.8f + 0.8f * 0.8f);
    EXPECT_NEAR(0.6f / length, v.GetElement(0), 1e-6);
    EXPECT_NEAR(0.8f / length, v.GetElement(1), 1e-6);
    v.SetNormalized(false);
    v.SetRange(0.0f, 0.5f);
    v.SetClamped(true);
    EXPECT_FLOAT_EQ(0.5f, v.GetElement(3));
    v.SetElement(0, -1.0f);
    EXPECT_FLOAT_EQ(0.0f, v.GetElement(0));
    v.SetNormalized(true); // clamped (0, 0.5, 0.5) then normalised: beyond the range, as documented
    EXPECT_NEAR(std::sqrt(0.5f), v.GetElement(1), 1e-6);
    GvVectorVariable zero;
    zero.SetNormalized(true);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(0.0f, zero.GetElement(i));
}

TEST_F(VariablesTest, VectorAndMatrixIgnoreBadArgumentsNotifyChangeIsOverridable)
{
    GvVectorVariable v(1, 2, 3, 4);
    v.SetValues(nullptr);
    v.GetValues(nullptr);
    EXPECT_EQ(4.0f, v.GetElement(3));
    v.SetElement(4, 9.0f);
    v.SetElement(-1, 9.0f);
    EXPECT_EQ(std::make_pair(0.0f, 4.0f), std::make_pair(v.GetElement(4), v.GetElement(3)));
    GvMatrixVariable m;
    EXPECT_TRUE(m.IsIdentity());
    m.SetElement(1, 2, 5.0f);
    m.SetElement(4, 0, 5.0f);
    EXPECT_EQ(5.0f, m.GetElement(1, 2));
    EXPECT_EQ(0.0f, m.GetElement(2, 1)) << "row-major, not transposed";
    EXPECT_EQ(0.0f, m.GetElement(0, 4));
    EXPECT_FALSE(m.IsIdentity());
    m.SetIdentity();
    EXPECT_TRUE(m.IsIdentity());
    struct Watched : GvFloatVariable
    {
        void* m_sender = reinterpret_cast<void*>(1);
        GvNode* m_node = nullptr;
        void NotifyChange(void* sender, GvNode* node) override
        {
            m_sender = sender;
            m_node = node;
            GvFloatVariable::NotifyChange(sender, node);
        }
    } watched;
    GvVariable* variable = &watched;
    variable->NotifyChange(nullptr, variable);
    EXPECT_TRUE(watched.m_sender == nullptr && watched.m_node == variable);
    EXPECT_EQ(1u, watched.GetChangeCount());
    GvFloatVariable plain;
    plain.SetValue(0.5f);
    EXPECT_EQ(0u, plain.GetChangeCount()) << "setters leave the notification to the writer";
}

TEST_F(VariablesTest, DynamicResizingKeepsElementsAndTheirTypeAndRefusesWhenFixed)
{
    GvDynamicVariable d(GvDynamicVariable::DYNAMIC_FLOAT, 2, 3, false);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            d.SetFloat(r, c, static_cast<float>(10 * r + c));
    EXPECT_TRUE(d.SetNumRows(6) && d.SetNumColumns(2));
    EXPECT_EQ(std::make_pair(6, 2), std::make_pair(d.GetNumRows(), d.GetNumColumns()));
    EXPECT_EQ(std::make_pair(11.0f, 10.0f), std::make_pair(d.GetFloat(1, 1), d.GetFloat(1, 0)));
    EXPECT_EQ(0.0f, d.GetFloat(5, 1)) << "new elements are 0";
    EXPECT_EQ(0.0f, d.GetFloat(0, 2)) << "the dropped column is gone";
    EXPECT_FALSE(d.SetNumColumns(5) || d.SetNumRows(0));
    EXPECT_EQ(std::make_pair(6, 2), std::make_pair(d.GetNumRows(), d.GetNumColumns()));

    GvDynamicVariable fixed(GvDynamicVariable::DYNAMIC_BOOLEAN, 2, 2, true);
    EXPECT_FALSE(fixed.SetNumRows(3));
    EXPECT_EQ(2, fixed.GetNumRows());
    GvDynamicVariable limited(GvDynamicVariable::DYNAMIC_FLOAT, 0, 9, false);
    EXPECT_EQ(std::make_pair(1, 4), std::make_pair(limited.GetNumRows(), limited.GetNumColumns()));
    GvDynamicVariable ints(GvDynamicVariable::DYNAMIC_INTEGER, 1, 2, false);
    ints.SetFloat(0, 0, 2.5f);
    ints.SetFloat(0, 1, -2.5f);
    EXPECT_EQ(std::make_pair(3, -3), std::make_pair(ints.GetInteger(0, 0), ints.GetInteger(0, 1)))
        << "halves round away from zero";
    EXPECT_EQ(-3.0f, ints.GetFloat(0, 1));
    ints.SetIntegerRange(5, -1);
    ints.SetClamped(true);
    EXPECT_EQ(-1, ints.GetInteger(0, 1));
    ints.SetInteger(0, 0, 99);
    EXPECT_EQ(5, ints.GetInteger(0, 0));

    GvDynamicVariable bools(GvDynamicVariable::DYNAMIC_BOOLEAN, 1, 1, true);
    bools.SetFloat(0, 0, 0.25f);
    EXPECT_EQ(std::make_pair(true, 1), std::make_pair(bools.GetBoolean(0, 0), bools.GetInteger(0, 0)));
    bools.SetBoolean(0, 0, false);
    bools.SetBooleanRange(1, 1);
    bools.SetClamped(true);
    EXPECT_TRUE(bools.GetBoolean(0, 0)) << "a clamped range of (1, 1) forces true";

    GvDynamicVariable floats(GvDynamicVariable::DYNAMIC_FLOAT, 1, 1, true);
    floats.SetFloat(0, 0, 0.75f);
    EXPECT_EQ(std::make_pair(true, 1), std::make_pair(floats.GetBoolean(0, 0), floats.GetInteger(0, 0)));
    floats.SetFloat(3, 3, 1.0f);
    EXPECT_EQ(0.0f, floats.GetFloat(3, 3));
}

TEST_F(VariablesTest, DynamicNormalizesEachColumnsXyz)
{
    GvDynamicVariable d(GvDynamicVariable::DYNAMIC_FLOAT, 4, 2, false);
    const float columns[2][4] = {{3, 4, 0, 7}, {0, 0, 2, 5}};
    for (int r = 0; r < 8; ++r)
        d.SetFloat(r % 4, r / 4, columns[r / 4][r % 4]);
    d.SetNormalized(true);
    EXPECT_FLOAT_EQ(0.6f, d.GetFloat(0, 0));
    EXPECT_FLOAT_EQ(0.8f, d.GetFloat(1, 0));
    EXPECT_FLOAT_EQ(7.0f, d.GetFloat(3, 0));
    EXPECT_FLOAT_EQ(1.0f, d.GetFloat(2, 1));
    EXPECT_FLOAT_EQ(5.0f, d.GetFloat(3, 1));
    d.SetNumRows(2); // (0.6, 0.8) and (0, 0): the first already unit, the second zero
    EXPECT_FLOAT_EQ(0.6f, d.GetFloat(0, 0));
    EXPECT_EQ(0.0f, d.GetFloat(0, 1));
}

TEST_F(VariablesTest, CloneAndAssignCopyTheValueStateOfTheSameKindOnly)
{
    GvDynamicVariable d(GvDynamicVariable::DYNAMIC_FLOAT, 2, 2, false);
    d.SetName(GvW(u"weights"));
    d.SetFloat(1, 1, 0.5f);
    d.SetClamped(true);
    std::unique_ptr<GvVariable> clone(d.CloneValue());
    ASSERT_TRUE(dynamic_cast<GvDynamicVariable*>(clone.get()));
    d.SetNumRows(4);
    d.SetFloat(1, 1, 0.25f);
    d.SetName(GvW(u"renamed"));
    d.NotifyChange(nullptr, &d);
    EXPECT_TRUE(d.AssignValue(*clone));
    EXPECT_EQ(std::make_tuple(2, 0.5f, true), std::make_tuple(d.GetNumRows(), d.GetFloat(1, 1), d.IsClamped()));
    EXPECT_EQ(u"renamed", Text(d.GetName())) << "the name is not value state";
    EXPECT_EQ(1u, d.GetChangeCount());
    GvFloatVariable f;
    EXPECT_FALSE(f.AssignValue(*clone) || d.AssignValue(f));
}

} // namespace
