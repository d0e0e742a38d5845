#include "GvVariables.h"

#include <cmath>
#include <new>
#include <typeinfo>

namespace {

template <typename T>
void Order(T& a, T& b)
{
    if (b < a) {
        const T t = a;
        a = b;
        b = t;
    }
}

template <typename T>
T Clamp(T value, T low, T high)
{
    return value < low ? low : (high < value ? high : value);
}

// Scales the first min(count, 3) of values (spaced by stride) to unit length;
// a zero vector stays.
void NormalizeXyz(float* values, int count, int stride)
{
    const int n = count < 3 ? count : 3;
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += static_cast<double>(values[i * stride]) * values[i * stride];
    if (sum <= 0.0 || !std::isfinite(sum))
        return;
    const double scale = 1.0 / std::sqrt(sum);
    for (int i = 0; i < n; ++i)
        values[i * stride] = static_cast<float>(values[i * stride] * scale);
}

int RoundToInt(float value)
{
    if (!(value == value))
        return 0;
    const double rounded = value >= 0.0f ? std::floor(value + 0.5) : std::ceil(value - 0.5);
    if (rounded >= 2147483647.0)
        return 2147483647;
    if (rounded <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(rounded);
}

// Assigns through the copy assignment of the exact kind, which leaves name
// and change count alone.
template <typename T>
bool AssignSameKind(T& target, const GvVariable& source)
{
    if (typeid(source) != typeid(T))
        return false;
    target = static_cast<const T&>(source);
    return true;
}

} // namespace

// ---- GvFloatVariable, GvIntegerVariable, GvBooleanVariable

GvVariable* GvFloatVariable::CloneValue() const
{
    return new GvFloatVariable(*this);
}
bool GvFloatVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}
GvVariable* GvIntegerVariable::CloneValue() const
{
    return new GvIntegerVariable(*this);
}
bool GvIntegerVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}

GvVariable* GvBooleanVariable::CloneValue() const
{
    return new GvBooleanVariable(*this);
}
bool GvBooleanVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}

// ---- GvVectorVariable

GvVectorVariable::GvVectorVariable() : GvVectorVariable(0.0f, 0.0f, 0.0f, 0.0f)
{
}

GvVectorVariable::GvVectorVariable(float x, float y, float z, float w)
    : m_values{x, y, z, w}, m_min(-1.0f), m_max(1.0f), m_clamped(false), m_normalized(false)
{
    for (float& v : m_values)
        if (v != v)
            v = 0.0f;
}

float GvVectorVariable::GetElement(int index) const
{
    return index >= 0 && index < 4 ? m_values[index] : 0.0f;
}

void GvVectorVariable::SetElement(int index, float value)
{
    if (index < 0 || index >= 4 || value != value)
        return;
    m_values[index] = value;
    Constrain();
}

void GvVectorVariable::GetValues(float values[4]) const
{
    if (!values)
        return;
    for (int i = 0; i < 4; ++i)
        values[i] = m_values[i];
}

void GvVectorVariable::SetValues(const float values[4])
{
    if (!values)
        return;
    for (int i = 0; i < 4; ++i)
        if (values[i] != values[i])
            return;
    for (int i = 0; i < 4; ++i)
        m_values[i] = values[i];
    Constrain();
}

void GvVectorVariable::SetRange(float a, float b)
{
    if (a != a || b != b)
        return;
    Order(a, b);
    m_min = a;
    m_max = b;
    Constrain();
}

void GvVectorVariable::SetClamped(bool clamped)
{
    m_clamped = clamped;
    Constrain();
}

void GvVectorVariable::SetNormalized(bool normalized)
{
    m_normalized = normalized;
    Constrain();
}

void GvVectorVariable::Constrain()
{
    if (m_clamped)
        for (float& v : m_values)
            v = Clamp(v, m_min, m_max);
    if (m_normalized)
        NormalizeXyz(m_values, 4, 1);
}

GvVariable* GvVectorVariable::CloneValue() const
{
    return new GvVectorVariable(*this);
}
bool GvVectorVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}

// ---- GvMatrixVariable

GvMatrixVariable::GvMatrixVariable() : m_values{}
{
    SetIdentity();
}

float GvMatrixVariable::GetElement(int row, int column) const
{
    return row >= 0 && row < 4 && column >= 0 && column < 4 ? m_values[row * 4 + column] : 0.0f;
}

void GvMatrixVariable::SetElement(int row, int column, float value)
{
    if (row >= 0 && row < 4 && column >= 0 && column < 4 && value == value)
        m_values[row * 4 + column] = value;
}

void GvMatrixVariable::SetIdentity()
{
    for (int i = 0; i < 16; ++i)
        m_values[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

bool GvMatrixVariable::IsIdentity() const
{
    for (int i = 0; i < 16; ++i)
        if (m_values[i] != (i % 5 == 0 ? 1.0f : 0.0f))
            return false;
    return true;
}

GvVariable* GvMatrixVariable::CloneValue() const
{
    return new GvMatrixVariable(*this);
}
bool GvMatrixVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}

// ---- GvDynamicVariable

GvDynamicVariable::GvDynamicVariable(DynamicVariableType type, int rows, int columns, bool fixedSize)
    : m_type(type == DYNAMIC_INTEGER || type == DYNAMIC_BOOLEAN ? type : DYNAMIC_FLOAT), m_rows(0), m_columns(0),
      m_fixedSize(fixedSize), m_floatMin(0.0f), m_floatMax(1.0f), m_integerMin(0), m_integerMax(100), m_booleanMin(0),
      m_booleanMax(1), m_clamped(false), m_normalized(false)
{
    if (!Resize(Clamp<int>(rows, 1, kMaxRows), Clamp<int>(columns, 1, kMaxColumns)))
        throw std::bad_alloc();
}

GvDynamicVariable::GvDynamicVariable(const GvDynamicVariable& other) : GvVariable(other)
{
    CopyFrom(other);
}

GvDynamicVariable& GvDynamicVariable::operator=(const GvDynamicVariable& other)
{
    if (this != &other) {
        GvVariable::operator=(other);
        CopyFrom(other);
    }
    return *this;
}

void GvDynamicVariable::CopyFrom(const GvDynamicVariable& other)
{
    GvBuffer<float> floats;
    GvBuffer<int> integers;
    if (!floats.Allocate(other.m_floats.GetCount()) || !integers.Allocate(other.m_integers.GetCount()))
        throw std::bad_alloc();
    for (size_t i = 0; i < floats.GetCount(); ++i)
        floats[i] = other.m_floats[i];
    for (size_t i = 0; i < integers.GetCount(); ++i)
        integers[i] = other.m_integers[i];
    m_floats = static_cast<GvBuffer<float>&&>(floats);
    m_integers = static_cast<GvBuffer<int>&&>(integers);
    m_type = other.m_type;
    m_rows = other.m_rows;
    m_columns = other.m_columns;
    m_fixedSize = other.m_fixedSize;
    m_floatMin = other.m_floatMin;
    m_floatMax = other.m_floatMax;
    m_integerMin = other.m_integerMin;
    m_integerMax = other.m_integerMax;
    m_booleanMin = other.m_booleanMin;
    m_booleanMax = other.m_booleanMax;
    m_clamped = other.m_clamped;
    m_normalized = other.m_normalized;
}

bool GvDynamicVariable::Resize(int rows, int columns)
{
    const bool isFloat = m_type == DYNAMIC_FLOAT;
    const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(columns);
    GvBuffer<float> floats;
    GvBuffer<int> integers;
    if (!(isFloat ? floats.Allocate(count) : integers.Allocate(count)))
        return false;
    for (int r = 0; r < rows && r < m_rows; ++r)
        for (int c = 0; c < columns && c < m_columns; ++c) {
            if (isFloat)
                floats[r * columns + c] = m_floats[r * m_columns + c];
            else
                integers[r * columns + c] = m_integers[r * m_columns + c];
        }
    m_floats = static_cast<GvBuffer<float>&&>(floats);
    m_integers = static_cast<GvBuffer<int>&&>(integers);
    m_rows = rows;
    m_columns = columns;
    Constrain();
    return true;
}

bool GvDynamicVariable::SetNumRows(int rows)
{
    if (m_fixedSize || rows < 1 || rows > kMaxRows)
        return false;
    return rows == m_rows || Resize(rows, m_columns);
}

bool GvDynamicVariable::SetNumColumns(int columns)
{
    if (m_fixedSize || columns < 1 || columns > kMaxColumns)
        return false;
    return columns == m_columns || Resize(m_rows, columns);
}

float GvDynamicVariable::GetFloat(int row, int column) const
{
    if (!Inside(row, column))
        return 0.0f;
    const int index = row * m_columns + column;
    return m_type == DYNAMIC_FLOAT ? m_floats[index] : static_cast<float>(m_integers[index]);
}

int GvDynamicVariable::GetInteger(int row, int column) const
{
    if (!Inside(row, column))
        return 0;
    const int index = row * m_columns + column;
    return m_type == DYNAMIC_FLOAT ? RoundToInt(m_floats[index]) : m_integers[index];
}

bool GvDynamicVariable::GetBoolean(int row, int column) const
{
    if (!Inside(row, column))
        return false;
    const int index = row * m_columns + column;
    return m_type == DYNAMIC_FLOAT ? m_floats[index] != 0.0f : m_integers[index] != 0;
}

void GvDynamicVariable::SetFloat(int row, int column, float value)
{
    if (!Inside(row, column) || value != value)
        return;
    const int index = row * m_columns + column;
    if (m_type == DYNAMIC_FLOAT) {
        m_floats[index] = value;
        Constrain();
        return;
    }
    m_integers[index] = m_type == DYNAMIC_BOOLEAN ? (value != 0.0f) : RoundToInt(value);
    ConstrainElement(index);
}

void GvDynamicVariable::SetInteger(int row, int column, int value)
{
    if (m_type == DYNAMIC_FLOAT) {
        SetFloat(row, column, static_cast<float>(value));
        return;
    }
    if (!Inside(row, column))
        return;
    const int index = row * m_columns + column;
    m_integers[index] = m_type == DYNAMIC_BOOLEAN ? (value != 0) : value;
    ConstrainElement(index);
}

void GvDynamicVariable::SetBoolean(int row, int column, bool value)
{
    SetInteger(row, column, value ? 1 : 0);
}

void GvDynamicVariable::SetFloatRange(float a, float b)
{
    if (a != a || b != b)
        return;
    Order(a, b);
    m_floatMin = a;
    m_floatMax = b;
    Constrain();
}

void GvDynamicVariable::SetIntegerRange(int a, int b)
{
    Order(a, b);
    m_integerMin = a;
    m_integerMax = b;
    Constrain();
}

void GvDynamicVariable::SetBooleanRange(int a, int b)
{
    Order(a, b);
    m_booleanMin = Clamp(a, 0, 1);
    m_booleanMax = Clamp(b, 0, 1);
    Constrain();
}

void GvDynamicVariable::SetClamped(bool clamped)
{
    m_clamped = clamped;
    Constrain();
}

void GvDynamicVariable::SetNormalized(bool normalized)
{
    m_normalized = normalized;
    Constrain();
}

void GvDynamicVariable::ConstrainElement(int index)
{
    if (!m_clamped)
        return;
    if (m_type == DYNAMIC_FLOAT)
        m_floats[index] = Clamp(m_floats[index], m_floatMin, m_floatMax);
    else if (m_type == DYNAMIC_INTEGER)
        m_integers[index] = Clamp(m_integers[index], m_integerMin, m_integerMax);
    else
        m_integers[index] = Clamp(m_integers[index], m_booleanMin, m_booleanMax);
}

void GvDynamicVariable::Constrain()
{
    const int count = m_rows * m_columns;
    for (int i = 0; i < count; ++i)
        ConstrainElement(i);
    if (m_normalized && m_type == DYNAMIC_FLOAT)
        for (int c = 0; c < m_columns; ++c)
            NormalizeXyz(m_floats.GetData() + c, m_rows, m_columns);
}

GvVariable* GvDynamicVariable::CloneValue() const
{
    return new GvDynamicVariable(*this);
}
bool GvDynamicVariable::AssignValue(const GvVariable& source)
{
    return AssignSameKind(*this, source);
}
