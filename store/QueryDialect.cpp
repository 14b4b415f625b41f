#include "QueryDialect.h"

#include "StoreError.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace ondara {
namespace {

// How deep parentheses may nest: the windows use one level; the bound keeps
// hostile text from running the parser out of stack.
constexpr int MaxNesting = 32;

enum class Kind { Word, Literal, Punct, End };

struct Token
{
    Kind kind;
    QString text;   // as written
    QVariant value; // the bound value of a literal
    qsizetype position;
};

[[noreturn]] void refuse(qsizetype position, const QString &why)
{
    throw StoreError(StoreError::QuerySyntax,
                     QStringLiteral("Syntax error in query at character %1: %2.").arg(position + 1).arg(why));
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// -1 unless text is ASCII digits only.
int digitsValue(QStringView text)
{
    int value = 0;
    for (QChar c : text) {
        if (!isAsciiDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// Month first, four-digit year, whatever the locale: that is how the windows write them.
std::optional<QDate> parseDateLiteral(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// "3:04:05 PM" (12-hour) or "15:04:05" (24-hour).
std::optional<QTime> parseTimeLiteral(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{1,2}):([0-9]{2}):([0-9]{2})(?: ([AaPp][Mm]))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int hour = m.captured(1).toInt();
    const QString half = m.captured(4);
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half.compare(u"PM", Qt::CaseInsensitive) == 0 ? 12 : 0);
    }
    const QTime time(hour, m.captured(2).toInt(), m.captured(3).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

QList<Token> tokenize(const QString &text)
{
    QList<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            ++i;
        } else if (isAsciiLetter(c) || c == u'_') {
            while (i < n && (isAsciiLetter(text[i]) || isAsciiDigit(text[i]) || text[i] == u'_'))
                ++i;
            tokens.append({Kind::Word, text.mid(start, i - start), {}, start});
        } else if (isAsciiDigit(c) || (c == u'-' && i + 1 < n && isAsciiDigit(text[i + 1]))) {
            ++i;
            while (i < n && isAsciiDigit(text[i]))
                ++i;
            const bool fraction = i + 1 < n && text[i] == u'.' && isAsciiDigit(text[i + 1]);
            if (fraction) {
                ++i;
                while (i < n && isAsciiDigit(text[i]))
                    ++i;
            }
            const QString number = text.mid(start, i - start);
            bool ok = false;
            const QVariant value = fraction ? QVariant(number.toDouble(&ok)) : QVariant(number.toLongLong(&ok));
            if (!ok)
                refuse(start, QStringLiteral("the number %1 is out of range").arg(number));
            tokens.append({Kind::Literal, number, value, start});
        } else if (c == u'\'') {
            QString value;
            for (++i;; ++i) {
                if (i >= n)
                    refuse(start, QStringLiteral("a quoted text has no closing quote"));
                if (text[i] == u'\'') {
                    if (i + 1 < n && text[i + 1] == u'\'') {
                        value += u'\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i];
            }
            tokens.append({Kind::Literal, text.mid(start, i - start), value, start});
        } else if (c == u'#') {
            const qsizetype close = text.indexOf(u'#', i + 1);
            if (close < 0)
                refuse(start, QStringLiteral("a # literal has no closing #"));
            const QString inner = text.mid(i + 1, close - i - 1);
            i = close + 1;
            QVariant value;
            if (const auto date = parseDateLiteral(inner))
                value = storedDateText(*date);
            else if (const auto time = parseTimeLiteral(inner))
                value = storedTimeText(*time);
            else
                refuse(start, QStringLiteral("#%1# is neither a date (month/day/year) nor a time of day").arg(inner));
            tokens.append({Kind::Literal, text.mid(start, i - start), value, start});
        } else if (c == u'<' || c == u'>') {
            ++i;
            if (i < n && (text[i] == u'=' || (c == u'<' && text[i] == u'>')))
                ++i;
            tokens.append({Kind::Punct, text.mid(start, i - start), {}, start});
        } else if (QStringView(u"*,()=;").contains(c)) {
            ++i;
            tokens.append({Kind::Punct, QString(c), {}, start});
        } else {
            refuse(start, QStringLiteral("the character %1 is not allowed here").arg(c));
        }
    }
    tokens.append({Kind::End, {}, {}, n});
    return tokens;
}

// Reads one query of the form
//   SELECT [DISTINCT] * | name {, name} FROM name [WHERE condition]
//   [ORDER BY name [ASC|DESC] {, ...}] [;]
// where a condition is a comparison, "name IN (value {, value})" or a condition
// in parentheses, joined by AND and OR. Nothing else gets through, so a value
// can never turn into SQL and no function of SQLite can be called.
class Parser
{
public:
    explicit Parser(const QString &text) : m_tokens(tokenize(text)) {}

    TranslatedQuery parse()
    {
        expectKeyword(u"SELECT");
        if (atKeyword(u"DISTINCT")) {
            put(takeKeyword());
            m_result.distinct = true;
        }
        if (atPunct(u"*")) {
            put(take().text);
        } else {
            nameList();
        }
        expectKeyword(u"FROM");
        m_result.table = takeName(QStringLiteral("a table name"));
        put(m_result.table);
        if (atKeyword(u"WHERE")) {
            put(takeKeyword());
            condition(0);
        }
        if (atKeyword(u"ORDER")) {
            put(takeKeyword());
            expectKeyword(u"BY");
            orderList();
        }
        if (atPunct(u";"))
            take();
        if (peek().kind != Kind::End)
            unexpected(QStringLiteral("the end of the query"));
        m_result.sql = m_sql;
        return m_result;
    }

private:
    const Token &peek() const { return m_tokens[m_next]; }

    Token take()
    {
        Q_ASSERT(peek().kind != Kind::End);
        return m_tokens[m_next++];
    }

    static bool isKeyword(const QString &word)
    {
        static const QStringList keywords =
            QStringLiteral("SELECT DISTINCT FROM WHERE AND OR IN ORDER BY ASC DESC").split(u' ');
        return keywords.contains(word, Qt::CaseInsensitive);
    }

    bool atKeyword(QStringView keyword) const
    {
        return peek().kind == Kind::Word && peek().text.compare(keyword, Qt::CaseInsensitive) == 0;
    }

    bool atPunct(QStringView punct) const { return peek().kind == Kind::Punct && peek().text == punct; }

    QString takeKeyword() { return take().text.toUpper(); }

    void expectKeyword(QStringView keyword)
    {
        if (!atKeyword(keyword))
            unexpected(keyword.toString());
        put(takeKeyword());
    }

    void expectPunct(QStringView punct)
    {
        if (!atPunct(punct))
            unexpected(u'"' + punct.toString() + u'"');
        put(take().text);
    }

    QString takeName(const QString &wanted)
    {
        if (peek().kind != Kind::Word || isKeyword(peek().text))
            unexpected(wanted);
        return take().text;
    }

    void nameList()
    {
        put(takeName(QStringLiteral("* or a column name")));
        while (atPunct(u",")) {
            put(take().text);
            put(takeName(QStringLiteral("a column name")));
        }
    }

    void orderList()
    {
        for (;;) {
            put(takeName(QStringLiteral("a column name")));
            if (atKeyword(u"ASC") || atKeyword(u"DESC"))
                put(takeKeyword());
            if (!atPunct(u","))
                return;
            put(take().text);
        }
    }

    void condition(int depth)
    {
        term(depth);
        while (atKeyword(u"AND") || atKeyword(u"OR")) {
            put(takeKeyword());
            term(depth);
        }
    }

    void term(int depth)
    {
        if (atPunct(u"(")) {
            if (depth >= MaxNesting)
                refuse(peek().position, QStringLiteral("the condition is nested too deeply"));
            put(take().text);
            condition(depth + 1);
            expectPunct(u")");
            return;
        }
        operand();
        if (atKeyword(u"IN")) {
            put(takeKeyword());
            expectPunct(u"(");
            literal();
            while (atPunct(u",")) {
                put(take().text);
                literal();
            }
            expectPunct(u")");
            return;
        }
        static const QStringList comparisons = QStringLiteral("= <> < <= > >=").split(u' ');
        if (peek().kind != Kind::Punct || !comparisons.contains(peek().text))
            unexpected(QStringLiteral("a comparison or IN"));
        put(take().text);
        operand();
    }

    void operand()
    {
        if (peek().kind == Kind::Literal)
            literal();
        else
            put(takeName(QStringLiteral("a column name or a value")));
    }

    void literal()
    {
        if (peek().kind != Kind::Literal)
            unexpected(QStringLiteral("a value"));
        m_result.values.append(take().value);
        put(QStringLiteral("?"));
    }

    [[noreturn]] void unexpected(const QString &wanted) const
    {
        const Token &found = peek();
        refuse(found.position, QStringLiteral("expected %1 but found %2")
                                   .arg(wanted, found.kind == Kind::End ? QStringLiteral("the end of the text")
                                                                        : u'"' + found.text + u'"'));
    }

    // Spaced as a person would write it, so the logged SQL reads like the query text.
    void put(const QString &piece)
    {
        const bool tight = piece == u"," || piece == u")" || m_sql.isEmpty() || m_sql.endsWith(u'(');
        if (!tight)
            m_sql += u' ';
        m_sql += piece;
    }

    QList<Token> m_tokens;
    qsizetype m_next = 0;
    QString m_sql;
    TranslatedQuery m_result;
};

} // namespace

TranslatedQuery translateQuery(const QString &queryText)
{
    return Parser(queryText).parse();
}

QString quotedText(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString storedDateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString storedTimeText(QTime time)
{
    return time.toString(u"HH:mm:ss");
}

std::optional<QDate> parseStoredDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const int year = digitsValue(text.mid(0, 4));
    const int month = digitsValue(text.mid(5, 2));
    const int day = digitsValue(text.mid(8, 2));
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QTime> parseStoredTime(QStringView text)
{
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return std::nullopt;
    const int hour = digitsValue(text.mid(0, 2));
    const int minute = digitsValue(text.mid(3, 2));
    const int second = digitsValue(text.mid(6, 2));
    if (hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    const QTime time(hour, minute, second);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

} // namespace ondara
