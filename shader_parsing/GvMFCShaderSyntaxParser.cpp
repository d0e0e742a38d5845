#include "GvShaderParsing.h"

#include <cstring>
#include "GvOpenHash.h"
#include "GvParserObjects.h"
#include "GvStringFunctions.h"

typedef GvMFCShaderSyntaxParser Parser;
typedef Parser::ParseResult ParseResult;

namespace {

const unsigned int kHashOffset = 2166136261u;
const unsigned int kHashPrime = 16777619u;

inline unsigned int HashStep(unsigned int hash, unsigned short unit)
{
    return (hash ^ unit) * kHashPrime;
}

// Names are short: a plain loop beats a call to memcmp.
inline bool UnitsEqual(const unsigned short* a, const unsigned short* b, int length)
{
    for (int i = 0; i < length; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

inline bool NameEquals(const GvStringW& name, const unsigned short* units, int length)
{
    return name.GetLength() == length && UnitsEqual(name.GetText(), units, length);
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
      m_index(GvCreateObject<GvOpenHash<IndexSlot>>())
{
}

Parser::KeywordCategory::~KeywordCategory()
{
    for (Bucket& bucket : m_buckets)
        GvDestroyAllOwned(bucket);
    GvDestroyObject(m_index);
}

unsigned int Parser::KeywordCategory::HashRun(const unsigned short* units, int length)
{
    unsigned int hash = kHashOffset;
    for (int i = 0; i < length; ++i)
        hash = HashStep(hash, units[i]);
    return hash;
}

int Parser::KeywordCategory::GetKeywordCount() const
{
    return m_index->GetCount();
}

Parser::Keyword* Parser::KeywordCategory::Lookup(const unsigned short* units, int length, unsigned int hash) const
{
    const IndexSlot* slot =
        m_index->Find(hash, [&](const IndexSlot& s) { return NameEquals(s.item->m_name, units, length); });
    return slot ? slot->item : nullptr;
}

// The buckets are the truth; the index is rebuilt from them.
void Parser::KeywordCategory::RebuildIndex()
{
    int count = 0;
    for (const Bucket& bucket : m_buckets)
        count += bucket.GetCount();
    m_index->Reset(count);
    for (const Bucket& bucket : m_buckets)
        for (Bucket::ConstIterator it = bucket.Begin(); it != bucket.End(); ++it)
            m_index->Insert(IndexSlot{HashRun((*it)->m_name, (*it)->m_name.GetLength()), *it});
}

Parser::Keyword* Parser::KeywordCategory::AddKeyword(const unsigned short* word)
{
    if (!word || word[0] >= BUCKET_COUNT)
        return nullptr;
    if (Keyword* existing = FindKeyword(word))
        return existing;
    Keyword* keyword = GvAppendOwned(m_buckets[word[0]], GvCreateObject<Keyword>(word));
    if (m_index->HasRoomFor(1))
        m_index->Insert(IndexSlot{HashRun(word, keyword->m_name.GetLength()), keyword});
    else
        RebuildIndex();
    if (!m_isOperator && m_parser)
        m_parser->IndexWord(this, keyword);
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
    m_index->Remove(m_index->Find(HashRun(word, keyword->m_name.GetLength()),
                                  [&](const IndexSlot& s) { return s.item == keyword; }));
    if (!m_isOperator && m_parser)
        m_parser->UnindexWord(this, keyword);
    GvDestroyObject(keyword);
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

Parser::WhiteSpaceParser::WhiteSpaceParser(Parser* parser)
    : m_parser(parser), m_openingUnits{0, 0, 0, 0}, m_openingBeyondAscii(false)
{
}

bool Parser::WhiteSpaceParser::MayOpenComment(unsigned short unit) const
{
    return unit < 128 ? (m_openingUnits[unit >> 5] >> (unit & 31) & 1u) != 0 : m_openingBeyondAscii;
}

Parser::WhiteSpaceParser::~WhiteSpaceParser()
{
    RemoveAllCommentBlocks();
}

Parser::CommentBlock* Parser::WhiteSpaceParser::AddCommentBlock(const unsigned short* start, const unsigned short* end)
{
    CommentBlock* block = GvAppendOwned(m_commentBlocks, GvCreateObject<CommentBlock>(start, end));
    const unsigned short first = block->m_start[0];
    if (first >= 128)
        m_openingBeyondAscii = true;
    else if (first)
        m_openingUnits[first >> 5] |= 1u << (first & 31);
    return block;
}

void Parser::WhiteSpaceParser::RemoveAllCommentBlocks()
{
    GvDestroyAllOwned(m_commentBlocks);
    m_openingUnits[0] = m_openingUnits[1] = m_openingUnits[2] = m_openingUnits[3] = 0;
    m_openingBeyondAscii = false;
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
        if (!MayOpenComment(text[p]))
            return ParseResult{p != begin, false, p};
        bool matched = false;
        for (const GvLinkedList<CommentBlock*>::Node* node = m_commentBlocks.GetHead(); node; node = node->m_next) {
            if (node->m_value->m_start.GetText()[0] != text[p])
                continue;
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
// each category gathering it again. For the owner's own list a word run is
// looked up once in the owner's word index, which names the first word
// category holding it, and operator runs are not gathered at all when the
// owner has no operator category.
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
    const bool indexed = m_parser && &categories == &m_parser->m_categories;
    int q = p;
    const bool tryWord = first == CHAR_WORD;
    const bool tryOperator = first == CHAR_OPERATOR && !(indexed && m_parser->m_operatorCategoryCount == 0);
    if ((tryWord || tryOperator) && !categories.IsEmpty()) {
        unsigned short run[RUN_CAPACITY];
        int length = 0;
        unsigned int hash = kHashOffset;
        bool tooLong = false;
        if (tryWord) {
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
        if (tryWord && indexed && !tooLong) {
            const WordSlot* slot = m_parser->m_wordIndex->Find(
                hash, [&](const WordSlot& s) { return s.length == length && UnitsEqual(s.name, run, length); });
            if (slot) {
                const ParseResult result{true, length >= end - p, p + length};
                slot->category->m_parser->OnKeywordFound(slot->item);
                return result;
            }
        } else if (!tooLong) {
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
      m_whiteSpaceParser(this), m_textParser(this), m_wordIndex(GvCreateObject<GvOpenHash<WordSlot>>()),
      m_operatorCategoryCount(0)
{
    GvFillShaderCharClassTable(m_charClass);
}

Parser::GvMFCShaderSyntaxParser(const GvMFCShaderSyntaxParser& other)
    : m_commentColor(other.m_commentColor), m_foregroundColor(other.m_foregroundColor),
      m_backgroundColor(other.m_backgroundColor), m_highlightColor(other.m_highlightColor),
      m_whiteSpaceParser(this), m_textParser(this), m_wordIndex(GvCreateObject<GvOpenHash<WordSlot>>()),
      m_operatorCategoryCount(0)
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
    GvDestroyAllOwned(m_categories);
    GvDestroyObject(m_wordIndex);
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
    KeywordCategory* category = GvAppendOwned(m_categories, GvCreateObject<KeywordCategory>(this, name, isOperator));
    if (isOperator)
        ++m_operatorCategoryCount;
    return category;
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
    RebuildWordIndex();
}

void Parser::RemoveAllKeywordCategory()
{
    GvDestroyAllOwned(m_categories);
    RebuildWordIndex();
}

bool Parser::HoldsCategory(const KeywordCategory* category) const
{
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next)
        if (node->m_value == category)
            return true;
    return false;
}

void Parser::IndexWord(KeywordCategory* category, Keyword* keyword)
{
    if (!HoldsCategory(category))
        return;
    const GvStringW& name = keyword->m_name;
    const unsigned int hash = KeywordCategory::HashRun(name, name.GetLength());
    WordSlot* slot = m_wordIndex->Find(hash, [&](const WordSlot& s) { return s.item->m_name == name; });
    if (!slot) {
        if (m_wordIndex->HasRoomFor(1))
            m_wordIndex->Insert(WordSlot{hash, name.GetLength(), name.GetText(), keyword, category});
        else
            RebuildWordIndex();
        return;
    }
    // The word stays with whichever category comes first in the list.
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next) {
        if (node->m_value == slot->category)
            return;
        if (node->m_value == category) {
            *slot = WordSlot{hash, name.GetLength(), name.GetText(), keyword, category};
            return;
        }
    }
}

// The keyword has left its category already; the next word category that
// holds the same word takes its place.
void Parser::UnindexWord(KeywordCategory*, Keyword* keyword)
{
    const GvStringW& name = keyword->m_name;
    WordSlot* slot = m_wordIndex->Find(KeywordCategory::HashRun(name, name.GetLength()),
                                       [&](const WordSlot& s) { return s.item == keyword; });
    if (!slot)
        return;
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next) {
        KeywordCategory* category = node->m_value;
        Keyword* other = category->m_isOperator ? nullptr : category->FindKeyword(name);
        if (other) {
            *slot = WordSlot{slot->hash, slot->length, other->m_name.GetText(), other, category};
            return;
        }
    }
    m_wordIndex->Remove(slot);
}

void Parser::RebuildWordIndex()
{
    int words = 0;
    m_operatorCategoryCount = 0;
    for (CategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it) {
        if ((*it)->m_isOperator)
            ++m_operatorCategoryCount;
        else
            words += (*it)->GetKeywordCount();
    }
    m_wordIndex->Reset(words);
    for (CategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it) {
        KeywordCategory* category = *it;
        if (category->m_isOperator)
            continue;
        for (const KeywordCategory::Bucket& bucket : category->m_buckets) {
            for (KeywordCategory::Bucket::ConstIterator word = bucket.Begin(); word != bucket.End(); ++word) {
                const GvStringW& name = (*word)->m_name;
                const unsigned int hash = KeywordCategory::HashRun(name, name.GetLength());
                if (!m_wordIndex->Find(hash, [&](const WordSlot& s) { return s.item->m_name == name; }))
                    m_wordIndex->Insert(WordSlot{hash, name.GetLength(), name.GetText(), *word, category});
            }
        }
    }
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

// The steps are inlined into the loop: a call per token costs as much as
// the work of most tokens.
#if defined(__GNUC__)
__attribute__((flatten))
#endif
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
