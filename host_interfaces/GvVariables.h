#pragma once
#include <cmath>
#include <type_traits>
#include "GvBuffer.h"
#include "GvNode.h"

// The value kinds of the model. Writes through these setters are kept to the
// variable's rules: a clamped variable keeps every element within its range
// (also when the range or the flag changes), a normalized one keeps x, y, z
// at unit length (applied after clamping, so it wins; a zero vector stays).
// NaN is never stored: a NaN value or range bound leaves the variable as it
// was. Indices outside the variable are ignored by setters and read as 0;
// null arrays are ignored.
// Setters do not call NotifyChange; the writer does.

// A single number with a range (the bounds are ordered, the smaller becomes
// the minimum) and a clamping flag; the base of the float and integer kinds.
template <typename T>
class GvScalarVariable : public GvVariable
{
public:
    T GetValue() const { return m_value; }
    void SetValue(T value)
    {
        if (IsNaN(value))
            return;
        m_value = m_clamped ? (value < m_min ? m_min : (m_max < value ? m_max : value)) : value;
    }
    T GetMin() const { return m_min; }
    T GetMax() const { return m_max; }
    void SetRange(T a, T b)
    {
        if (IsNaN(a) || IsNaN(b))
            return;
        m_min = a < b ? a : b;
        m_max = a < b ? b : a;
        SetValue(m_value);
    }
    bool IsClamped() const { return m_clamped; }
    void SetClamped(bool clamped)
    {
        m_clamped = clamped;
        SetValue(m_value);
    }

protected:
    GvScalarVariable(T value, T min, T max)
        : m_value(IsNaN(value) ? T() : value), m_min(min), m_max(max), m_clamped(false)
    {
    }

private:
    static bool IsNaN(T value)
    {
        if constexpr (std::is_floating_point<T>::value)
            return std::isnan(value);
        return false;
    }

    T m_value, m_min, m_max;
    bool m_clamped;
};

// Range default 0..1.
class GV_CORE_API GvFloatVariable : public GvScalarVariable<float>
{
public:
    explicit GvFloatVariable(float value = 0.0f) : GvScalarVariable<float>(value, 0.0f, 1.0f) {}

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;
};

// Range default 0..100.
class GV_CORE_API GvIntegerVariable : public GvScalarVariable<int>
{
public:
    explicit GvIntegerVariable(int value = 0) : GvScalarVariable<int>(value, 0, 100) {}

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;
};

class GV_CORE_API GvBooleanVariable : public GvVariable
{
public:
    explicit GvBooleanVariable(bool value = false) : m_value(value) {}

    bool GetValue() const { return m_value; }
    void SetValue(bool value) { m_value = value; }

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;

private:
    bool m_value;
};

// Four floats x, y, z, w; range default -1..1.
class GV_CORE_API GvVectorVariable : public GvVariable
{
public:
    GvVectorVariable();
    GvVectorVariable(float x, float y, float z, float w);

    float GetElement(int index) const;
    void SetElement(int index, float value);
    void GetValues(float values[4]) const;
    void SetValues(const float values[4]);
    float GetMin() const { return m_min; }
    float GetMax() const { return m_max; }
    void SetRange(float a, float b);
    bool IsClamped() const { return m_clamped; }
    void SetClamped(bool clamped);
    bool IsNormalized() const { return m_normalized; }
    void SetNormalized(bool normalized);

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;

private:
    void Constrain();

    float m_values[4];
    float m_min, m_max;
    bool m_clamped, m_normalized;
};

// A 4 x 4 float matrix, row-major; identity at construction.
class GV_CORE_API GvMatrixVariable : public GvVariable
{
public:
    GvMatrixVariable();

    float GetElement(int row, int column) const;
    void SetElement(int row, int column, float value);
    void SetIdentity();
    bool IsIdentity() const;

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;

private:
    float m_values[16];
};

// A rows x columns grid (rows 1..kMaxRows, columns 1..4) of one element type,
// resizable or of fixed size. Elements are kept in their type; a getter of
// another type converts (float to integer rounds halves away from zero,
// anything non-zero is true). Clamping uses the range of the element type.
// Normalizing applies to float elements: each column's first three rows
// (fewer when there are fewer rows) are kept at unit length.
class GV_CORE_API GvDynamicVariable : public GvVariable
{
public:
    enum DynamicVariableType
    {
        DYNAMIC_FLOAT = 0,
        DYNAMIC_INTEGER = 1,
        DYNAMIC_BOOLEAN = 2
    };
    enum
    {
        kMaxRows = 1024,
        kMaxColumns = 4
    };

    // Out-of-range sizes are limited to the allowed ones; an unknown type
    // becomes DYNAMIC_FLOAT.
    GvDynamicVariable(DynamicVariableType type, int rows, int columns, bool fixedSize);
    GvDynamicVariable(const GvDynamicVariable& other);
    GvDynamicVariable& operator=(const GvDynamicVariable& other);

    DynamicVariableType GetType() const { return m_type; }
    int GetNumRows() const { return m_rows; }
    int GetNumColumns() const { return m_columns; }
    bool IsFixedSize() const { return m_fixedSize; }
    // Keeps the elements that stay inside, new ones are 0 (then constrained).
    // False, and no change, for a fixed-size variable or a size outside
    // 1..kMaxRows (rows) or 1..kMaxColumns (columns).
    bool SetNumRows(int rows);
    bool SetNumColumns(int columns);

    float GetFloat(int row, int column) const;
    int GetInteger(int row, int column) const;
    bool GetBoolean(int row, int column) const;
    void SetFloat(int row, int column, float value);
    void SetInteger(int row, int column, int value);
    void SetBoolean(int row, int column, bool value);

    float GetFloatMin() const { return m_floatMin; }
    float GetFloatMax() const { return m_floatMax; }
    void SetFloatRange(float a, float b);
    int GetIntegerMin() const { return m_integerMin; }
    int GetIntegerMax() const { return m_integerMax; }
    void SetIntegerRange(int a, int b);
    // Booleans as 0 and 1; a clamped range of (1, 1) forces every element true.
    int GetBooleanMin() const { return m_booleanMin; }
    int GetBooleanMax() const { return m_booleanMax; }
    void SetBooleanRange(int a, int b);

    bool IsClamped() const { return m_clamped; }
    void SetClamped(bool clamped);
    bool IsNormalized() const { return m_normalized; }
    void SetNormalized(bool normalized);

    GvVariable* CloneValue() const override;
    bool AssignValue(const GvVariable& source) override;

private:
    bool Inside(int row, int column) const { return row >= 0 && row < m_rows && column >= 0 && column < m_columns; }
    bool Resize(int rows, int columns);
    void CopyFrom(const GvDynamicVariable& other);
    void Constrain();
    void ConstrainElement(int index);

    DynamicVariableType m_type;
    int m_rows, m_columns;
    bool m_fixedSize;
    // Row-major cells; float elements in m_floats, integer and boolean ones
    // in m_integers. Exactly one of the two holds m_rows * m_columns cells.
    GvBuffer<float> m_floats;
    GvBuffer<int> m_integers;
    float m_floatMin, m_floatMax;
    int m_integerMin, m_integerMax;
    int m_booleanMin, m_booleanMax;
    bool m_clamped, m_normalized;
};
