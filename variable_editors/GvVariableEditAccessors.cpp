// The per-kind accessors of CGvVariableEditCtrl: what each kind of variable
// offers the grid, and the defaults for what it lacks.
#include "variable_editors/GvVariableEditCtrl.h"

namespace {

int Index4(int i)
{
    return i < 0 ? 0 : (i > 3 ? 3 : i);
}

template <class T>
T* As(GvVariable* p)
{
    return dynamic_cast<T*>(p);
}

} // namespace

int CGvVariableEditCtrl::GetDynamicVariableType() const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetType();
    if (As<GvIntegerVariable>(m_pVariable))
        return GvDynamicVariable::DYNAMIC_INTEGER;
    if (As<GvBooleanVariable>(m_pVariable))
        return GvDynamicVariable::DYNAMIC_BOOLEAN;
    return GvDynamicVariable::DYNAMIC_FLOAT;
}

int CGvVariableEditCtrl::GetNumRows() const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetNumRows();
    if (As<GvFloatVariable>(m_pVariable) || As<GvIntegerVariable>(m_pVariable) || As<GvBooleanVariable>(m_pVariable))
        return 1;
    if (As<GvVectorVariable>(m_pVariable) || As<GvMatrixVariable>(m_pVariable))
        return 4;
    return 0;
}

int CGvVariableEditCtrl::GetNumColumns() const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetNumColumns();
    if (As<GvMatrixVariable>(m_pVariable))
        return 4;
    if (As<GvFloatVariable>(m_pVariable) || As<GvIntegerVariable>(m_pVariable) || As<GvBooleanVariable>(m_pVariable)
        || As<GvVectorVariable>(m_pVariable))
        return 1;
    return 0;
}

bool CGvVariableEditCtrl::IsFixedSize() const
{
    GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable);
    return !p || p->IsFixedSize();
}

void CGvVariableEditCtrl::SetNumRows(int rows)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetNumRows(rows);
}

void CGvVariableEditCtrl::SetNumColumns(int columns)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetNumColumns(columns);
}

bool CGvVariableEditCtrl::IsClamped() const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->IsClamped();
    if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable))
        return p->IsClamped();
    if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable))
        return p->IsClamped();
    if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        return p->IsClamped();
    return false;
}

void CGvVariableEditCtrl::SetIsClamped(bool clamped)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetClamped(clamped);
    else if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable))
        p->SetClamped(clamped);
    else if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable))
        p->SetClamped(clamped);
    else if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        p->SetClamped(clamped);
}

bool CGvVariableEditCtrl::IsNormalized() const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->IsNormalized();
    if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        return p->IsNormalized();
    return false;
}

void CGvVariableEditCtrl::SetIsNormalized(bool normalized)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetNormalized(normalized);
    else if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        p->SetNormalized(normalized);
}

void CGvVariableEditCtrl::GetFloatMinMax(float& min, float& max) const
{
    min = -1.0f;
    max = 1.0f;
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable)) {
        min = p->GetFloatMin();
        max = p->GetFloatMax();
    } else if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable)) {
        min = p->GetMin();
        max = p->GetMax();
    } else if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable)) {
        min = p->GetMin();
        max = p->GetMax();
    } else if (As<GvMatrixVariable>(m_pVariable)) {
        min = -100.0f;
        max = 100.0f;
    }
}

void CGvVariableEditCtrl::GetIntegerMinMax(int& min, int& max) const
{
    min = -10;
    max = 10;
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable)) {
        min = p->GetIntegerMin();
        max = p->GetIntegerMax();
    } else if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable)) {
        min = p->GetMin();
        max = p->GetMax();
    }
}

void CGvVariableEditCtrl::GetBooleanMinMax(int& min, int& max) const
{
    min = 0;
    max = 1;
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable)) {
        min = p->GetBooleanMin();
        max = p->GetBooleanMax();
    }
}

float CGvVariableEditCtrl::GetFloatData(int row, int column) const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetFloat(row, column);
    if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable))
        return p->GetValue();
    if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        return p->GetElement(Index4(row));
    if (GvMatrixVariable* p = As<GvMatrixVariable>(m_pVariable))
        return p->GetElement(Index4(row), Index4(column));
    return 0.0f;
}

int CGvVariableEditCtrl::GetIntegerData(int row, int column) const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetInteger(row, column);
    if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable))
        return p->GetValue();
    return 0;
}

bool CGvVariableEditCtrl::GetBooleanData(int row, int column) const
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        return p->GetBoolean(row, column);
    if (GvBooleanVariable* p = As<GvBooleanVariable>(m_pVariable))
        return p->GetValue();
    return false;
}

void CGvVariableEditCtrl::Notify(bool notify)
{
    if (notify)
        m_pVariable->NotifyChange(nullptr, m_pVariable);
}

void CGvVariableEditCtrl::SetFloatMinMax(float a, float b, bool notify)
{
    const float min = a < b ? a : b, max = a < b ? b : a;
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetFloatRange(min, max);
    else if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable))
        p->SetRange(min, max);
    else if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        p->SetRange(min, max);
    else
        return;
    Notify(notify);
}

void CGvVariableEditCtrl::SetIntegerMinMax(int a, int b, bool notify)
{
    const int min = a < b ? a : b, max = a < b ? b : a;
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetIntegerRange(min, max);
    else if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable))
        p->SetRange(min, max);
    else
        return;
    Notify(notify);
}

void CGvVariableEditCtrl::SetBooleanMinMax(int a, int b, bool notify)
{
    GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable);
    if (!p)
        return;
    p->SetBooleanRange(a, b);
    Notify(notify);
}

void CGvVariableEditCtrl::SetFloatData(int row, int column, float value, bool notify)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetFloat(row, column, value);
    else if (GvFloatVariable* p = As<GvFloatVariable>(m_pVariable))
        p->SetValue(value);
    else if (GvVectorVariable* p = As<GvVectorVariable>(m_pVariable))
        p->SetElement(Index4(row), value);
    else if (GvMatrixVariable* p = As<GvMatrixVariable>(m_pVariable))
        p->SetElement(Index4(row), Index4(column), value);
    else
        return;
    Notify(notify);
}

void CGvVariableEditCtrl::SetIntegerData(int row, int column, int value, bool notify)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetInteger(row, column, value);
    else if (GvIntegerVariable* p = As<GvIntegerVariable>(m_pVariable))
        p->SetValue(value);
    else
        return;
    Notify(notify);
}

void CGvVariableEditCtrl::SetBooleanData(int row, int column, bool value, bool notify)
{
    if (GvDynamicVariable* p = As<GvDynamicVariable>(m_pVariable))
        p->SetBoolean(row, column, value);
    else if (GvBooleanVariable* p = As<GvBooleanVariable>(m_pVariable))
        p->SetValue(value);
    else
        return;
    Notify(notify);
}
