#include "GvShaderParsing.h"

#include <algorithm>
#include <cstdint>
#include "GvOpenHash.h"
#include "GvParserObjects.h"
#include "GvStringFunctions.h"

typedef GvMFCShaderASMParser AsmParser;
typedef AsmParser::OpEntry OpEntry;

namespace {

// Arithmetic and flow-control bases per model, in table order.
const OpEntry kVS11[] = {{u"add", 1},  {u"dp3", 1},  {u"dp4", 1},  {u"dst", 1},  {u"exp", 10},
                         {u"expp", 1}, {u"frc", 3},  {u"lit", 1},  {u"log", 10}, {u"logp", 1},
                         {u"m3x2", 2}, {u"m3x3", 3}, {u"m3x4", 4}, {u"m4x3", 3}, {u"m4x4", 4},
                         {u"mad", 1},  {u"max", 1},  {u"min", 1},  {u"mov", 1},  {u"mul", 1},
                         {u"rcp", 1},  {u"rsq", 1},  {u"sge", 1},  {u"slt", 1},  {u"sub", 1}};
const OpEntry kVS20[] = {{u"abs", 1},  {u"add", 1},  {u"call", 2}, {u"callnz", 3}, {u"crs", 2},     {u"dp3", 1},
                         {u"dp4", 1},  {u"dst", 1},  {u"else", 1}, {u"endif", 1},  {u"endloop", 2}, {u"endrep", 2},
                         {u"exp", 1},  {u"expp", 1}, {u"frc", 1},  {u"if", 3},     {u"lit", 3},     {u"log", 1},
                         {u"logp", 1}, {u"loop", 3}, {u"lrp", 2},  {u"m3x2", 2},   {u"m3x3", 3},    {u"m3x4", 4},
                         {u"m4x3", 3}, {u"m4x4", 4}, {u"mad", 1},  {u"max", 1},    {u"min", 1},     {u"mov", 1},
                         {u"mova", 1}, {u"mul", 1},  {u"nrm", 3},  {u"pow", 3},    {u"rcp", 1},     {u"rep", 3},
                         {u"ret", 1},  {u"rsq", 1},  {u"sge", 1},  {u"sgn", 3},    {u"sincos", 8},  {u"slt", 1},
                         {u"sub", 1}};
const OpEntry kVS30[] = {
    {u"abs", 1},      {u"add", 1},      {u"break", 1},    {u"break_gt", 3}, {u"break_lt", 3}, {u"break_ge", 3},
    {u"break_le", 3}, {u"break_eq", 3}, {u"break_ne", 3}, {u"breakp", 3},   {u"call", 2},     {u"callnz", 3},
    {u"crs", 2},      {u"dp3", 1},      {u"dp4", 1},      {u"dst", 1},      {u"else", 1},     {u"endif", 1},
    {u"endloop", 2},  {u"endrep", 2},   {u"exp", 1},      {u"expp", 1},     {u"frc", 1},      {u"if", 3},
    {u"if_gt", 3},    {u"if_lt", 3},    {u"if_ge", 3},    {u"if_le", 3},    {u"if_eq", 3},    {u"if_ne", 3},
    {u"lit", 3},      {u"log", 1},      {u"logp", 1},     {u"loop", 3},     {u"lrp", 2},      {u"m3x2", 2},
    {u"m3x3", 3},     {u"m3x4", 4},     {u"m4x3", 3},     {u"m4x4", 4},     {u"mad", 1},      {u"max", 1},
    {u"min", 1},      {u"mov", 1},      {u"mova", 1},     {u"mul", 1},      {u"nrm", 3},      {u"pow", 3},
    {u"rcp", 1},      {u"rep", 3},      {u"ret", 1},      {u"rsq", 1},      {u"setp_gt", 1},  {u"setp_lt", 1},
    {u"setp_ge", 1},  {u"setp_le", 1},  {u"setp_eq", 1},  {u"setp_ne", 1},  {u"sge", 1},      {u"sgn", 3},
    {u"sincos", 8},   {u"slt", 1},      {u"sub", 1}};
const OpEntry kPS1X[] = {{u"add", 1}, {u"bem", 2}, {u"cmp", 1}, {u"cnd", 1}, {u"dp3", 1}, {u"dp4", 1},
                         {u"lrp", 3}, {u"mad", 1}, {u"mov", 1}, {u"mul", 1}, {u"sub", 1}};
const OpEntry kPS20[] = {
    {u"abs", 1},      {u"add", 1},      {u"cmp", 1},      {u"crs", 2},      {u"break", 1},    {u"break_gt", 3},
    {u"break_lt", 3}, {u"break_ge", 3}, {u"break_le", 3}, {u"break_eq", 3}, {u"break_ne", 3}, {u"breakp", 3},
    {u"call", 2},     {u"callnz", 3},   {u"dp2add", 2},   {u"dp3", 1},      {u"dp4", 1},      {u"dsx", 2},
    {u"dsy", 2},      {u"else", 1},     {u"endif", 1},    {u"endloop", 2},  {u"endrep", 2},   {u"exp", 1},
    {u"frc", 1},      {u"if", 3},       {u"if_gt", 3},    {u"if_lt", 3},    {u"if_ge", 3},    {u"if_le", 3},
    {u"if_eq", 3},    {u"if_ne", 3},    {u"log", 1},      {u"lrp", 2},      {u"m3x2", 2},     {u"m3x3", 3},
    {u"m3x4", 4},     {u"m4x3", 3},     {u"m4x4", 4},     {u"mad", 1},      {u"max", 1},      {u"min", 1},
    {u"mov", 1},      {u"mul", 1},      {u"nrm", 3},      {u"pow", 3},      {u"rcp", 1},      {u"rep", 3},
    {u"ret", 1},      {u"rsq", 1},      {u"sincos", 8},   {u"sub", 1}};
const OpEntry kPS30[] = {
    {u"abs", 1},      {u"add", 1},      {u"break", 1},    {u"break_gt", 3}, {u"break_lt", 3}, {u"break_ge", 3},
    {u"break_le", 3}, {u"break_eq", 3}, {u"break_ne", 3}, {u"breakp", 3},   {u"call", 2},     {u"callnz", 3},
    {u"cmp", 1},      {u"crs", 2},      {u"dp2add", 2},   {u"dp3", 1},      {u"dp4", 1},      {u"dsx", 2},
    {u"dsy", 2},      {u"else", 1},     {u"endif", 1},    {u"endloop", 2},  {u"endrep", 2},   {u"exp", 1},
    {u"frc", 1},      {u"if", 3},       {u"if_gt", 3},    {u"if_lt", 3},    {u"if_ge", 3},    {u"if_le", 3},
    {u"if_eq", 3},    {u"if_ne", 3},    {u"log", 1},      {u"loop", 3},     {u"lrp", 2},      {u"m3x2", 2},
    {u"m3x3", 3},     {u"m3x4", 4},     {u"m4x3", 3},     {u"m4x4", 4},     {u"mad", 1},      {u"max", 1},
    {u"min", 1},      {u"mov", 1},      {u"mul", 1},      {u"nop", 1},      {u"nrm", 3},      {u"pow", 3},
    {u"rcp", 1},      {u"rep", 3},      {u"rsq", 1},      {u"setp_gt", 8},  {u"setp_lt", 8},  {u"setp_ge", 8},
    {u"setp_le", 8},  {u"setp_eq", 8},  {u"setp_ne", 8},  {u"sincos", 8},   {u"sub", 1}};

// Texture instructions: no variants.
const OpEntry kTexVS30[] = {{u"texldl", 2}};
const OpEntry kTexPS1X[] = {{u"tex", 1},         {u"texbem", 1},     {u"texbeml", 1},      {u"texcoord", 1},
                            {u"texcrd", 1},      {u"texdepth", 1},   {u"texdp3", 1},       {u"texdp3tex", 1},
                            {u"texdp3kill", 1},  {u"texkill", 1},    {u"texld", 1},        {u"texm3x2depth", 1},
                            {u"texm3x2pad", 1},  {u"texm3x2tex", 1}, {u"texm3x3", 1},      {u"texm3x3pad", 1},
                            {u"texm3x3spec", 1}, {u"texm3x3tex", 1}, {u"texm3x3vspec", 1}, {u"texreg2ar", 1},
                            {u"texreg2gb", 1},   {u"texreg2rgb", 1}};
const OpEntry kTexPS20[] = {{u"texkill", 1}, {u"texld", 1}, {u"texldb", 1}, {u"texldd", 3}, {u"texldp", 1}};
const OpEntry kTexPS30[] = {{u"texkill", 1}, {u"texld", 1},  {u"texldb", 1},
                            {u"texldl", 2},  {u"texldd", 3}, {u"texldp", 3}};

const char16_t* const kPixelShader1xModifiers[] = {u"x2", u"x4", u"x8", u"d2", u"d4", u"d8"};

template <size_t N>
int CountOf(const OpEntry (&)[N])
{
    return static_cast<int>(N);
}

// Op names are short; 32 units hold a base and its longest suffix.
const int kNameCapacity = 32;

int AppendText(unsigned short* name, int length, const char16_t* text)
{
    for (; *text && length < kNameCapacity - 1; ++text)
        name[length++] = static_cast<unsigned short>(*text);
    name[length] = 0;
    return length;
}

// Case-blind over ASCII letters and blind to every unit from 0xC0 on, so
// that names equal under GvStrICmpW always share a hash; the first unit is
// taken as written, as it chooses the list.
unsigned int HashOpName(const unsigned short* name, int length)
{
    unsigned int hash = 2166136261u;
    for (int i = 0; i < length; ++i) {
        unsigned short c = name[i];
        if (i > 0 && c >= 'a' && c <= 'z')
            c = static_cast<unsigned short>(c - ('a' - 'A'));
        else if (i > 0 && c >= 0xC0)
            c = 0xC0;
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

// Fibonacci hashing: the top bits of the product mix every bit of the
// address, whose low bits are all alike.
inline size_t HashPointer(const void* pointer, int bits)
{
    return static_cast<size_t>((reinterpret_cast<std::uintptr_t>(pointer) * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

void AddCStyleCommentBlocks(GvMFCShaderSyntaxParser::WhiteSpaceParser& whiteSpace)
{
    whiteSpace.AddCommentBlock(GvW(u"/*"), GvW(u"*/"));
    whiteSpace.AddCommentBlock(GvW(u"//"), GvW(u"\n"));
}

} // namespace

AsmParser::GvMFCShaderASMParser()
    : m_shaderVersion(GV_SHADER_NONE), m_aluOpCount(0), m_texOpCount(0),
      m_opIndex(GvCreateObject<GvOpenHash<OpSlot>>()), m_opOrder(0), m_noOp{OP_ALU, GvStringW(), 0}, m_opCache(),
      m_opCacheCount(0), m_opCacheRevision(GetWordRevision())
{
    SetShaderVersion(GV_VS_2_0);
    AddCStyleCommentBlocks(m_whiteSpaceParser);
}

AsmParser::GvMFCShaderASMParser(const GvMFCShaderASMParser& other)
    : GvMFCShaderSyntaxParser(other), m_shaderVersion(other.m_shaderVersion), m_aluOpCount(other.m_aluOpCount),
      m_texOpCount(other.m_texOpCount), m_opIndex(GvCreateObject<GvOpenHash<OpSlot>>()),
      m_opOrder(0), m_noOp{OP_ALU, GvStringW(), 0}, m_opCache(), m_opCacheCount(0), m_opCacheRevision(GetWordRevision())
{
    CopyOpTableFrom(other);
}

AsmParser& AsmParser::operator=(const GvMFCShaderASMParser& other)
{
    if (this == &other)
        return *this;
    GvMFCShaderSyntaxParser::operator=(other);
    CleanupShaderOpTable();
    CopyOpTableFrom(other);
    m_shaderVersion = other.m_shaderVersion;
    m_aluOpCount = other.m_aluOpCount;
    m_texOpCount = other.m_texOpCount;
    return *this;
}

AsmParser::~GvMFCShaderASMParser()
{
    for (OpList& list : m_opTable)
        GvDestroyAllOwned(list);
    GvDestroyObject(m_opIndex);
}

void AsmParser::CopyOpTableFrom(const GvMFCShaderASMParser& other)
{
    ReserveOps(other.m_opIndex->GetCount());
    for (const OpList& list : other.m_opTable)
        for (OpList::ConstIterator it = list.Begin(); it != list.End(); ++it)
            InsertOp((*it)->type, (*it)->name, (*it)->count);
}

void AsmParser::SetShaderVersion(GvShaderVersion version)
{
    if (version == m_shaderVersion)
        return;
    CleanupShaderOpTable();
    switch (version) {
    case GV_VS_1_1: CreateShaderOpTable_VS_1_1(); break;
    case GV_VS_2_0:
    case GV_VS_2_X: CreateShaderOpTable_VS_2_0(); break;
    case GV_VS_3_0:
    case GV_VS_3_SW: CreateShaderOpTable_VS_3_0(); break;
    case GV_PS_1_1:
    case GV_PS_1_2:
    case GV_PS_1_3:
    case GV_PS_1_4: CreateShaderOpTable_PS_1_X(); break;
    case GV_PS_2_0:
    case GV_PS_2_X:
    case GV_PS_2_B:
    case GV_PS_2_SW: CreateShaderOpTable_PS_2_0(); break;
    case GV_PS_3_0:
    case GV_PS_3_SW: CreateShaderOpTable_PS_3_0(); break;
    default: break;
    }
    m_shaderVersion = version;
}

void AsmParser::InitInstructionCounts()
{
    m_aluOpCount = 0;
    m_texOpCount = 0;
}

void AsmParser::InsertOp(OpType type, const unsigned short* name, int count)
{
    if (!name || name[0] >= BUCKET_COUNT)
        return;
    ShaderOp* op = GvAppendOwned(m_opTable[name[0]], GvCreateObject<ShaderOp>(type, name, count));
    ClearOpCache();
    if (m_opIndex->HasRoomFor(1))
        m_opIndex->Insert(
            OpSlot{HashOpName(name, op->name.GetLength()), m_opOrder++, op->name.GetLength(), op->name, op});
    else
        RebuildOpIndex();
}

AsmParser::ShaderOp* AsmParser::FindShaderOp(const unsigned short* name)
{
    if (!name || name[0] >= BUCKET_COUNT)
        return nullptr;
    const int length = GvStrLenW(name);
    return FindShaderOp(name, length, HashOpName(name, length));
}

// Every candidate of the list name[0] that equals name without regard to
// case; the earliest inserted wins, as in a walk of the list.
AsmParser::ShaderOp* AsmParser::FindShaderOp(const unsigned short* name, int length, unsigned int hash) const
{
    const OpSlot* first = nullptr;
    m_opIndex->Find(hash, [&](const OpSlot& slot) {
        if ((!first || slot.order < first->order) && slot.length == length && slot.name[0] == name[0]
            && (std::equal(name, name + length, slot.name) || GvStrICmpW(slot.name, name, -1) == 0))
            first = &slot;
        return false;
    });
    return first ? first->item : nullptr;
}

void AsmParser::CleanupShaderOpTable()
{
    ClearOpCache();
    for (OpList& list : m_opTable)
        GvDestroyAllOwned(list);
    RebuildOpIndex();
}

void AsmParser::RebuildOpIndex(int room)
{
    int count = 0;
    for (const OpList& list : m_opTable)
        count += list.GetCount();
    m_opIndex->Reset(count + room);
    m_opOrder = 0;
    for (const OpList& list : m_opTable)
        for (OpList::ConstIterator it = list.Begin(); it != list.End(); ++it)
            m_opIndex->Insert(OpSlot{HashOpName((*it)->name, (*it)->name.GetLength()), m_opOrder++,
                                     (*it)->name.GetLength(), (*it)->name, *it});
}

// A table is filled with room made once, not by a rebuild each time the
// index runs full.
void AsmParser::ReserveOps(int more)
{
    if (!m_opIndex->HasRoomFor(more))
        RebuildOpIndex(more);
}

void AsmParser::ClearOpCache()
{
    if (m_opCacheCount > 0) {
        std::fill(m_opCache, m_opCache + OP_CACHE_CAPACITY, OpCacheSlot{nullptr, nullptr});
        m_opCacheCount = 0;
    }
}

// The slot that holds keyword, or the free one where it belongs.
inline AsmParser::OpCacheSlot& AsmParser::OpCacheSlotFor(const Keyword* keyword)
{
    size_t i = HashPointer(keyword, OP_CACHE_BITS);
    while (m_opCache[i].keyword != keyword && m_opCache[i].keyword)
        i = (i + 1) % OP_CACHE_CAPACITY;
    return m_opCache[i];
}

inline const AsmParser::ShaderOp* AsmParser::FindKeywordOp(const Keyword* keyword)
{
    if (m_opCacheRevision == GetWordRevision()) {
        const OpCacheSlot& slot = OpCacheSlotFor(keyword);
        if (slot.keyword)
            return slot.op;
    }
    return CacheKeywordOp(keyword);
}

const AsmParser::ShaderOp* AsmParser::CacheKeywordOp(const Keyword* keyword)
{
    if (m_opCacheRevision != GetWordRevision()) {
        ClearOpCache();
        m_opCacheRevision = GetWordRevision();
    }
    const GvStringW& name = keyword->m_name;
    const ShaderOp* op =
        name[0] < BUCKET_COUNT ? FindShaderOp(name, name.GetLength(), HashOpName(name, name.GetLength())) : nullptr;
    if (!op)
        op = &m_noOp;
    // Only a keyword whose destruction moves the word revision on may be kept.
    if (m_opCacheCount < OP_CACHE_CAPACITY / 2 && IsIndexedWord(keyword)) {
        OpCacheSlotFor(keyword) = OpCacheSlot{keyword, op};
        ++m_opCacheCount;
    }
    return op;
}

void AsmParser::OnKeywordFound(Keyword* keyword)
{
    const ShaderOp* op = FindKeywordOp(keyword);
    if (op->type == OP_ALU)
        m_aluOpCount += op->count;
    else if (op->type == OP_TEX)
        m_texOpCount += op->count;
}

void AsmParser::InsertAluVariants(const OpEntry* bases, int count, bool pixelShader1x)
{
    ReserveOps(count * (pixelShader1x ? 2 + 2 * 6 : 3));
    unsigned short name[kNameCapacity];
    for (int i = 0; i < count; ++i) {
        const int baseLength = AppendText(name, 0, bases[i].name);
        const int slots = bases[i].count;
        InsertOp(OP_ALU, name, slots);
        AppendText(name, baseLength, u"_sat");
        InsertOp(OP_ALU, name, slots);
        if (!pixelShader1x) {
            AppendText(name, baseLength, u"_pp");
            InsertOp(OP_ALU, name, slots);
            continue;
        }
        for (const char16_t* modifier : kPixelShader1xModifiers) {
            const int length = AppendText(name, AppendText(name, baseLength, u"_"), modifier);
            InsertOp(OP_ALU, name, slots);
            AppendText(name, length, u"_sat");
            InsertOp(OP_ALU, name, slots);
        }
    }
}

void AsmParser::InsertTexOps(const OpEntry* ops, int count)
{
    ReserveOps(count);
    for (int i = 0; i < count; ++i)
        InsertOp(OP_TEX, GvW(ops[i].name), ops[i].count);
}

void AsmParser::CreateShaderOpTable_VS_1_1()
{
    InsertAluVariants(kVS11, CountOf(kVS11), false);
}

void AsmParser::CreateShaderOpTable_VS_2_0()
{
    InsertAluVariants(kVS20, CountOf(kVS20), false);
}

void AsmParser::CreateShaderOpTable_VS_3_0()
{
    InsertAluVariants(kVS30, CountOf(kVS30), false);
    InsertTexOps(kTexVS30, CountOf(kTexVS30));
}

void AsmParser::CreateShaderOpTable_PS_1_X()
{
    InsertAluVariants(kPS1X, CountOf(kPS1X), true);
    InsertTexOps(kTexPS1X, CountOf(kTexPS1X));
}

void AsmParser::CreateShaderOpTable_PS_2_0()
{
    InsertAluVariants(kPS20, CountOf(kPS20), false);
    InsertTexOps(kTexPS20, CountOf(kTexPS20));
}

void AsmParser::CreateShaderOpTable_PS_3_0()
{
    InsertAluVariants(kPS30, CountOf(kPS30), false);
    InsertTexOps(kTexPS30, CountOf(kTexPS30));
}

GvMFCShaderHLSLParser::GvMFCShaderHLSLParser()
{
    AddCStyleCommentBlocks(m_whiteSpaceParser);
}

GvMFCShaderGLSLParser::GvMFCShaderGLSLParser()
{
    AddCStyleCommentBlocks(m_whiteSpaceParser);
}
