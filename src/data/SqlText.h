#pragma once

#include <QString>
#include <QStringList>

// Lexical helpers over statement text: they skip string literals, quoted and bracketed
// names and comments, so a ':' or a keyword inside a literal is never touched.
namespace SqlText {

// Positions of the code (not literal, not comment) characters: for each index, true when
// the character is outside literals, quoted names and comments.
QList<bool> CodeMask(const QString &sql);

// ":Name" markers replaced by '?', with the names in order of appearance (repeats kept).
// "::" (a cast) is left alone.
QString ToPositional(const QString &sql, QStringList *names);

// The distinct ":Name" markers in order of first appearance.
QStringList ParameterNames(const QString &sql);

// Index of the parenthesis closing the one at open, or -1.
int MatchingParen(const QString &sql, int open);

// Index of a whole keyword at nesting depth 0 of code, from pos; -1 when absent.
int FindKeyword(const QString &sql, const QString &keyword, int from = 0);

} // namespace SqlText
