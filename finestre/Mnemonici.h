#pragma once
// Alt+letter on one screen: each letter gives one command.
#include <QStringList>

// captions: those of the commands a user can give on one screen, in screen
// order. A caption keeps its letter unless one before it has taken it; then
// it takes the first letter of its own text that no other caption uses, or
// none when every one is taken. "&&" is a plain "&" and stays.
QStringList MnemoniciUnici(const QStringList& captions);

// The letter after the single "&" of a caption, in lower case; a null
// character for none.
QChar LetteraMnemonico(const QString& caption);
