#pragma once
// Errors are data until the window: the core returns what happened, with the
// exact text the user will read, and only the shell turns it into a message box.

#include <QString>
#include <optional>
#include <utility>

namespace tarnby {

inline const QString kTitleDone = QStringLiteral("完成");
inline const QString kTitleError = QStringLiteral("错误");

// The result of an operation that ends with a message (or, when quiet, with none).
// A conflict is a save refused because another program changed the file since
// it was loaded: the window asks the user what to do, and `file` names it.
struct Outcome {
    enum class Kind { Quiet, Success, Error, Conflict };
    Kind kind = Kind::Quiet;
    QString text;
    QString file;

    static Outcome quiet() { return {}; }
    static Outcome success(QString t) { return {Kind::Success, std::move(t)}; }
    static Outcome error(QString t) { return {Kind::Error, std::move(t)}; }
    static Outcome conflict(QString t, QString path) { return {Kind::Conflict, std::move(t), std::move(path)}; }

    bool ok() const { return kind != Kind::Error && kind != Kind::Conflict; }
    QString title() const { return ok() ? kTitleDone : kTitleError; }
};

// A value or the error text that explains why there is none.
template <class T>
class Result {
public:
    Result(T v) : value_(std::move(v)) {}
    static Result failure(QString text) { Result r; r.error_ = std::move(text); return r; }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const QString& error() const { return error_; }
    Outcome outcome() const { return ok() ? Outcome::quiet() : Outcome::error(error_); }

private:
    Result() = default;
    std::optional<T> value_;
    QString error_;
};

} // namespace tarnby
