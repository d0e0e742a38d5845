#include "GvShaderParsing.h"

#include <cstring>
#include "GvParserObjects.h"
#include "GvStringFunctions.h"

typedef GvMFCShaderSyntaxParser Parser;
typedef Parser::ParseResult ParseResult;

namespace {

const unsigned int kHashOffset = 2166136261u;
const unsigned int kHashPrime = 16777619u;
const int kMinIndexCapacity = 16;

inline unsigned int HashStep(unsigned int hash, unsigned short unit)
{
    return (hash ^ unit) * kHashPrime;
}

inline unsigned int SlotOf(unsigned int hash)
{
    return hash ^ (hash >> 16);
}

inline bool IsWordOrDigit(unsigned int charClass)
{
    return charClass - Parser::CHAR_WORD < 2u;
}

const unsigned short kEmpty[1] = {0};

} // namespace

void GvFillShaderCharClassTable(unsigned int* table)
{
    for (int i = 0; i < Parser::CHAR_CLASS_COUNT; ++i)
        table[i] = Parser::CHAR_SPACE;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = table[c + ('a' - 'A')] = Parser::CHAR_WORD;
    table['_'] = Parser::CHAR_WORD;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = Parser::CHAR_DIGIT;
    for (const char* p = "!\"#$%&'()*+,-./:;<=>?@\\`{|}~"; *p; ++p)
        table[static_cast<unsigned char>(*p)] = Parser::CHAR_OPERATOR;
}

// ---------------------------------------------------------------- Keyword

Parser::Keyword::Keyword(const unsigned short* name) : m_name(name) {}

Parser::Keyword::~Keyword() = default;

// -------------------------------------------------------- KeywordCategory

Parser::KeywordCategory::KeywordCategory(Parser* parser, const unsigned short* name, bool isOperator)
    : m_parser(parser), m_name(name ? name : kEmpty), m_isOperator(isOperator), m_color(0),
      m_index(nullptr), m_indexCapacity(0), m_indexCount(0)
{
}

Parser::KeywordCategory::~KeywordCategory()
{
    for (Bucket& bucket : m_buckets)
        GvDestroyAllOwned(bucket);
    GvDeallocateBuffer(m_index);
}

unsigned int Parser::KeywordCategory::HashRun(const unsigned short* units, int length)
{
    unsigned int hash = kHashOffset;
    for (int i = 0; i < length; ++i)
        hash = HashStep(hash, units[i]);
    return hash;
}

Parser::Keyword* Parser::KeywordCategory::Lookup(const unsigned short* units, int length, unsigned int hash) const
{
    if (!m_index)
        return nullptr;
    const unsigned int mask = static_cast<unsigned int>(m_indexCapacity - 1);
    for (unsigned int i = SlotOf(hash) & mask; m_index[i].keyword; i = (i + 1) & mask) {
        if (m_index[i].hash != hash)
            continue;
        const GvStringW& name = m_index[i].keyword->m_name;
        if (name.GetLength() == length
            && std::memcmp(name.GetText(), units, sizeof(unsigned short) * static_cast<size_t>(length)) == 0)
            return m_index[i].keyword;
    }
    return nullptr;
}

void Parser::KeywordCategory::PlaceInIndex(Keyword* keyword)
{
    const unsigned int hash = HashRun(keyword->m_name.GetText(), keyword->m_name.GetLength());
    const unsigned int mask = static_cast<unsigned int>(m_indexCapacity - 1);
    unsigned int i = SlotOf(hash) & mask;
    while (m_index[i].keyword)
        i = (i + 1) & mask;
    m_index[i].hash = hash;
    m_index[i].keyword = keyword;
    ++m_indexCount;
}

// The buckets are the truth; the index is rebuilt from them.
void Parser::KeywordCategory::RebuildIndex(int capacity)
{
    const size_t bytes = sizeof(IndexSlot) * static_cast<size_t>(capacity);
    IndexSlot* index = static_cast<IndexSlot*>(GvAllocateBuffer(bytes));
    if (!index)
        throw std::bad_alloc();
    std::memset(static_cast<void*>(index), 0, bytes);
    GvDeallocateBuffer(m_index);
    m_index = index;
    m_indexCapacity = capacity;
    m_indexCount = 0;
    for (const Bucket& bucket : m_buckets)
        for (Bucket::ConstIterator it = bucket.Begin(); it != bucket.End(); ++it)
            PlaceInIndex(*it);
}

Parser::Keyword* Parser::KeywordCategory::AddKeyword(const unsigned short* word)
{
    if (!word || word[0] >= BUCKET_COUNT)
        return nullptr;
    if (Keyword* existing = FindKeyword(word))
        return existing;
    Keyword* keyword = GvAppendOwned(m_buckets[word[0]], GvCreateObject<Keyword>(word));
    if ((m_indexCount + 1) * 2 > m_indexCapacity)
        RebuildIndex(m_indexCapacity ? m_indexCapacity * 2 : kMinIndexCapacity);
    else
        PlaceInIndex(keyword);
    return keyword;
}

Parser::Keyword* Parser::KeywordCategory::FindKeyword(const unsigned short* word) const
{
    if (!word || word[0] >= BUCKET_COUNT)
        return nullptr;
    const int length = GvStrLenW(word);
    return Lookup(word, length, HashRun(word, length));
}

bool Parser::KeywordCategory::RemoveKeyword(const unsigned short* word)
{
    Keyword* keyword = FindKeyword(word);
    if (!keyword)
        return false;
    Bucket& bucket = m_buckets[word[0]];
    bucket.Remove(bucket.Find(keyword));
    GvDestroyObject(keyword);
    RebuildIndex(m_indexCapacity);
    return true;
}

void Parser::KeywordCategory::CopyKeywordsFrom(const KeywordCategory& other)
{
    m_color = other.m_color;
    for (const Bucket& bucket : other.m_buckets)
        for (Bucket::ConstIterator it = bucket.Begin(); it != bucket.End(); ++it)
            AddKeyword((*it)->m_name);
}

ParseResult Parser::KeywordCategory::Match(const ParseContext& context, const unsigned short* run, int length,
                                           unsigned int hash) const
{
    const int p = context.position;
    const unsigned int first = context.charClass[context.text[p]];
    if (!m_isOperator) {
        if (first != CHAR_WORD)
            return ParseResult{false, false, p};
        Keyword* keyword = Lookup(run, length, hash);
        if (!keyword)
            return ParseResult{false, false, p};
        const ParseResult result{true, length >= context.end - p, p + length};
        m_parser->OnKeywordFound(keyword);
        return result;
    }
    if (first != CHAR_OPERATOR || length <= 0)
        return ParseResult{false, false, p};
    // Hashes of every prefix, so that trying them longest first costs one
    // probe each.
    unsigned int prefixHash[RUN_CAPACITY];
    unsigned int h = kHashOffset;
    for (int i = 0; i < length; ++i)
        prefixHash[i] = h = HashStep(h, run[i]);
    for (int n = length; n > 0; --n)
        if (Lookup(run, n, prefixHash[n - 1]))
            return ParseResult{true, n >= context.end - p, p + n};
    return ParseResult{false, false, p};
}

// ------------------------------------------------------------ CommentBlock

Parser::CommentBlock::CommentBlock(const unsigned short* start, const unsigned short* end)
    : m_start(start ? start : kEmpty), m_end(end ? end : kEmpty)
{
}

Parser::CommentBlock::~CommentBlock() = default;

ParseResult Parser::CommentBlock::Match(const ParseContext& context, int position) const
{
    const unsigned short* text = context.text;
    const int end = context.end;
    const unsigned short* open = m_start.GetText();
    const int openLength = m_start.GetLength();
    if (openLength == 0 || text[position] != open[0] || openLength > end - position)
        return ParseResult{false, false, position};
    for (int i = 1; i < openLength; ++i)
        if (text[position + i] != open[i])
            return ParseResult{false, false, position};

    const unsigned short* close = m_end.GetText();
    const int closeLength = m_end.GetLength();
    for (int i = position + openLength; i <= end - closeLength; ++i) {
        int n = 0;
        while (n < closeLength && text[i + n] == close[n])
            ++n;
        if (n == closeLength) {
            const int behind = i + closeLength;
            if (behind < end)
                return ParseResult{true, false, behind};
            break;
        }
    }
    return ParseResult{true, true, end};
}

// -------------------------------------------------------- WhiteSpaceParser

Parser::WhiteSpaceParser::WhiteSpaceParser(Parser* parser) : m_parser(parser) {}

Parser::WhiteSpaceParser::~WhiteSpaceParser()
{
    RemoveAllCommentBlocks();
}

Parser::CommentBlock* Parser::WhiteSpaceParser::AddCommentBlock(const unsigned short* start, const unsigned short* end)
{
    return GvAppendOwned(m_commentBlocks, GvCreateObject<CommentBlock>(start, end));
}

void Parser::WhiteSpaceParser::RemoveAllCommentBlocks()
{
    GvDestroyAllOwned(m_commentBlocks);
}

ParseResult Parser::WhiteSpaceParser::Parse(const ParseContext& context) const
{
    const int begin = context.position;
    const int end = context.end;
    if (begin >= end)
        return ParseResult{false, true, begin};
    const unsigned short* text = context.text;
    const unsigned int* charClass = context.charClass;
    int p = begin;
    for (;;) {
        while (p < end && charClass[text[p]] == CHAR_SPACE)
            ++p;
        if (p >= end)
            return ParseResult{true, true, p};
        bool matched = false;
        for (const GvLinkedList<CommentBlock*>::Node* node = m_commentBlocks.GetHead(); node; node = node->m_next) {
            const ParseResult comment = node->m_value->Match(context, p);
            if (comment.found) {
                if (comment.endReached)
                    return comment;
                p = comment.position;
                matched = true;
                break;
            }
        }
        if (!matched)
            return ParseResult{p != begin, false, p};
    }
}

// -------------------------------------------------------------- TextParser

Parser::TextParser::TextParser(Parser* parser) : m_parser(parser) {}

Parser::TextParser::~TextParser() = default;

// The run is gathered once here and offered to every category, instead of
// each category gathering it again.
ParseResult Parser::TextParser::Parse(const ParseContext& context,
                                      const GvLinkedList<KeywordCategory*>& categories) const
{
    const int p = context.position;
    const int end = context.end;
    if (p >= end)
        return ParseResult{false, true, p};
    const unsigned short* text = context.text;
    const unsigned int* charClass = context.charClass;
    const unsigned int first = charClass[text[p]];
    int q = p;
    if ((first == CHAR_WORD || first == CHAR_OPERATOR) && !categories.IsEmpty()) {
        unsigned short run[RUN_CAPACITY];
        int length = 0;
        unsigned int hash = kHashOffset;
        bool tooLong = false;
        if (first == CHAR_WORD) {
            while (q < end && IsWordOrDigit(charClass[text[q]])) {
                if (length == RUN_CAPACITY - 1) {
                    tooLong = true;
                    break;
                }
                hash = HashStep(hash, text[q]);
                run[length++] = text[q++];
            }
        } else {
            while (q < end && charClass[text[q]] == CHAR_OPERATOR && length < RUN_CAPACITY - 1)
                run[length++] = text[q++];
            q = p;
        }
        run[length] = 0;
        if (!tooLong) {
            for (const GvLinkedList<KeywordCategory*>::Node* node = categories.GetHead(); node; node = node->m_next) {
                const ParseResult result = node->m_value->Match(context, run, length, hash);
                if (result.found)
                    return result;
            }
        }
    }
    while (q < end && IsWordOrDigit(charClass[text[q]]))
        ++q;
    return ParseResult{q != p, q >= end, q};
}

// ------------------------------------------------------------------ Parser

Parser::GvMFCShaderSyntaxParser()
    : m_commentColor(0), m_foregroundColor(0), m_backgroundColor(0), m_highlightColor(0),
      m_whiteSpaceParser(this), m_textParser(this)
{
    GvFillShaderCharClassTable(m_charClass);
}

Parser::GvMFCShaderSyntaxParser(const GvMFCShaderSyntaxParser& other)
    : m_commentColor(other.m_commentColor), m_foregroundColor(other.m_foregroundColor),
      m_backgroundColor(other.m_backgroundColor), m_highlightColor(other.m_highlightColor),
      m_whiteSpaceParser(this), m_textParser(this)
{
    std::memcpy(m_charClass, other.m_charClass, sizeof(m_charClass));
    CopyContentFrom(other);
}

Parser& Parser::operator=(const GvMFCShaderSyntaxParser& other)
{
    if (this == &other)
        return *this;
    RemoveAllKeywordCategory();
    m_whiteSpaceParser.RemoveAllCommentBlocks();
    m_commentColor = other.m_commentColor;
    m_foregroundColor = other.m_foregroundColor;
    m_backgroundColor = other.m_backgroundColor;
    m_highlightColor = other.m_highlightColor;
    std::memcpy(m_charClass, other.m_charClass, sizeof(m_charClass));
    CopyContentFrom(other);
    return *this;
}

Parser::~GvMFCShaderSyntaxParser()
{
    RemoveAllKeywordCategory();
}

void Parser::CopyContentFrom(const GvMFCShaderSyntaxParser& other)
{
    for (ConstCategoryIterator it = other.BeginKeywordCategory(); it != other.EndKeywordCategory(); ++it)
        AddKeywordCategory((*it)->m_name, (*it)->m_isOperator)->CopyKeywordsFrom(**it);
    const GvLinkedList<CommentBlock*>& blocks = other.m_whiteSpaceParser.m_commentBlocks;
    for (GvLinkedList<CommentBlock*>::ConstIterator it = blocks.Begin(); it != blocks.End(); ++it)
        m_whiteSpaceParser.AddCommentBlock((*it)->m_start, (*it)->m_end);
}

Parser::KeywordCategory* Parser::AddKeywordCategory(const unsigned short* name, bool isOperator)
{
    return GvAppendOwned(m_categories, GvCreateObject<KeywordCategory>(this, name, isOperator));
}

Parser::KeywordCategory* Parser::FindKeywordCategory(const unsigned short* name)
{
    const Parser* self = this;
    return const_cast<KeywordCategory*>(self->FindKeywordCategory(name));
}

const Parser::KeywordCategory* Parser::FindKeywordCategory(const unsigned short* name) const
{
    if (!name)
        return nullptr;
    for (ConstCategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it)
        if (GvStrICmpW((*it)->m_name, name, -1) == 0)
            return *it;
    return nullptr;
}

void Parser::RemoveKeywordCategory(const unsigned short* name)
{
    KeywordCategory* category = FindKeywordCategory(name);
    if (!category)
        return;
    for (CategoryIterator it = m_categories.Begin(); it != m_categories.End();) {
        if (*it == category)
            it = m_categories.Remove(it);
        else
            ++it;
    }
    GvDestroyObject(category);
}

void Parser::RemoveAllKeywordCategory()
{
    GvDestroyAllOwned(m_categories);
}

void Parser::AddKeyword(const unsigned short* category, const unsigned short* word)
{
    if (KeywordCategory* found = FindKeywordCategory(category))
        found->AddKeyword(word);
}

void Parser::RemoveKeyword(const unsigned short* category, const unsigned short* word)
{
    if (KeywordCategory* found = FindKeywordCategory(category))
        found->RemoveKeyword(word);
}

void Parser::Parse(const unsigned short* text, int value, int start, int end)
{
    if (!text)
        return;
    if (start < 0)
        start = 0;
    if (start >= end)
        return;
    ParseContext context{text, m_charClass, value, start, end};
    ParseResult result = m_whiteSpaceParser.Parse(context);
    while (!result.endReached) {
        context.position = result.position;
        result = m_textParser.Parse(context, m_categories);
        if (result.endReached)
            break;
        context.position = result.found ? result.position : result.position + 1;
        result = m_whiteSpaceParser.Parse(context);
    }
}

void Parser::OnKeywordFound(Keyword*) {}
