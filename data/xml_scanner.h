#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvaro {

// Reads the tags of a data packet one by one, straight from its text, with no copy of the
// values: a packet of 999 zones has a thousand attributes in each ROW, too many for a
// general XML reader that checks each attribute against all earlier ones. The XML
// declaration, processing instructions, comments, CDATA sections and text between tags are
// skipped; a document type declaration, a truncated construct or a malformed tag throws
// PacketError. Duplicate attributes are left to the caller, which knows which names count.
class XmlScanner {
  public:
    enum class Token { StartTag, EndTag, End };

    struct Attribute {
        std::string_view name;
        // As written between the quotes; see value().
        std::string_view raw;
        bool needsUnescaping = false;
    };

    explicit XmlScanner(std::string_view text) : text_(text) {}

    Token next();
    // Of the last tag.
    std::string_view name() const { return name_; }
    // "<X .../>": no end tag follows.
    bool isEmptyElement() const { return emptyElement_; }
    const std::vector<Attribute>& attributes() const { return attributes_; }

    // The value of an attribute as XML reads it; it may live in `scratch`. Throws PacketError
    // on a bad reference.
    static std::string_view value(const Attribute& attribute, std::string& scratch);

  private:
    void skipPast(std::string_view terminator);
    void skipSpaces();
    std::string_view readName();
    void readStartTag();
    void readEndTag();
    void readAttribute();
    char peek() const;

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string_view name_;
    bool emptyElement_ = false;
    std::vector<Attribute> attributes_;
};

}  // namespace zelvaro
