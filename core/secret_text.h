#pragma once

#include "core/secure_wipe.h"

#include <string>
#include <string_view>

namespace tessaly {

// Text that is a secret or gives one away: a password, its bytes and hash,
// and the client's command line, which signs the account in. Its buffer is
// wiped whenever it is let go: on destruction, on reassignment, when it grows
// and when it is moved from. Copies are deliberate and wiped in turn.
template <class Char>
class BasicSecretText {
public:
    using View = std::basic_string_view<Char>;

    BasicSecretText() = default;
    BasicSecretText(View text) : text_(text) {}
    BasicSecretText(const Char* text) : text_(text) {}
    // `size` characters `fill`, for a conversion to write into.
    BasicSecretText(std::size_t size, Char fill) : text_(size, fill) {}
    BasicSecretText(const BasicSecretText& other) : text_(other.text_) {}
    BasicSecretText(BasicSecretText&& other) noexcept : text_(std::move(other.text_)) {
        other.Wipe();  // a short text is copied, not moved, out of the string
    }
    BasicSecretText& operator=(const BasicSecretText& other) {
        if (this != &other) {
            Wipe();
            text_ = other.text_;
        }
        return *this;
    }
    BasicSecretText& operator=(BasicSecretText&& other) noexcept {
        if (this != &other) {
            Wipe();
            text_ = std::move(other.text_);
            other.Wipe();
        }
        return *this;
    }
    ~BasicSecretText() { Wipe(); }

    // Appends into a buffer of its own size: growing a string in place would
    // leave the old buffer behind unwiped.
    BasicSecretText& operator+=(View more) {
        if (text_.size() + more.size() > text_.capacity()) {
            std::basic_string<Char> grown;
            grown.reserve(2 * (text_.size() + more.size()));
            grown = text_;
            Wipe();
            text_.swap(grown);
        }
        text_ += more;
        return *this;
    }

    View view() const { return text_; }
    const Char* c_str() const { return text_.c_str(); }
    Char* data() { return text_.data(); }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    void resize(std::size_t size) { text_.resize(size); }  // within the size it had
    friend bool operator==(const BasicSecretText& a, const BasicSecretText& b) {
        return a.text_ == b.text_;
    }
    friend bool operator!=(const BasicSecretText& a, const BasicSecretText& b) { return !(a == b); }

private:
    // Every byte the buffer has, not only those in use, then none in use.
    void Wipe() {
        text_.resize(text_.capacity());
        SecureWipe(text_.data(), text_.size() * sizeof(Char));
        text_.clear();
    }

    std::basic_string<Char> text_;
};

using SecretText = BasicSecretText<char>;
using SecretWideText = BasicSecretText<wchar_t>;

}  // namespace tessaly
