#pragma once

#include <QString>

// A private profile file ("[Section]" and "key=value" lines) read and written in place: a put
// changes only the line of its key (or adds the key, or the section), so comments, order,
// spacing and line endings of the rest of the file stay exactly as the user left them.
// Section and key names compare without regard to case.
class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The stored value (white space around it and one pair of enclosing quotes removed, at most
    // 255 characters), or `fallback` when the file, section or key is missing. An empty key
    // gives `fallback` without reading the file.
    QString get(const QString& section, const QString& key, const QString& fallback = {}) const;

    // Writes the value when key and value are both non-empty; creates the file and the section
    // when needed. Returns whether it wrote. The file is replaced atomically.
    bool put(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};
