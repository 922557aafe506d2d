#include "dcl/parser.h"

#include <optional>

#include "dcl/dcl_error.h"
#include "dcl/lexer.h"

namespace dcl {
namespace {

// Deeper nesting than any real dialog, shallow enough for the stack.
constexpr int kMaxDepth = 100;

class Parser {
 public:
  Parser(std::string_view text, const std::string& file) : lexer_(text, file), file_(file) {}

  ParsedFile parseFile() {
    ParsedFile out;
    out.file = file_;
    for (;;) {
      Token t = take();
      switch (t.kind) {
        case Token::End: return out;
        case Token::Semicolon:
          break;  // a stray ';' after a definition's '}' is common and harmless
        case Token::Include: {
          Token f = expect(Token::String, "nom de fichier entre guillemets attendu après @include");
          out.includes.push_back({f.text, t.line});
          break;
        }
        case Token::Name: out.definitions.push_back(parseDefinition(t)); break;
        default: fail(t.line, std::string("définition attendue, trouvé ") + quote(t));
      }
    }
  }

 private:
  Definition parseDefinition(const Token& name) {
    Definition d;
    d.name = name.text;
    d.file = file_;
    expect(Token::Colon, "':' attendu après \"" + name.text + "\"");
    Token base = expect(Token::Name, "type attendu après \"" + name.text + " :\"");
    d.body.type = base.text;
    d.body.line = name.line;
    expect(Token::OpenBrace, "'{' attendu après \"" + name.text + " : " + base.text + "\"");
    parseBody(d.body, name.text, 1);
    return d;
  }

  void parseBody(TileNode& node, const std::string& what, int depth) {
    if (depth > kMaxDepth) fail(node.line, "imbrication trop profonde");
    for (;;) {
      Token t = take();
      switch (t.kind) {
        case Token::CloseBrace: return;
        case Token::Semicolon: break;
        case Token::Colon: {
          Token type = expect(Token::Name, "type d'élément attendu après ':'");
          expect(Token::OpenBrace, "'{' attendu après \": " + type.text + "\"");
          TileNode child;
          child.type = type.text;
          child.line = type.line;
          parseBody(child, type.text, depth + 1);
          node.children.push_back(std::move(child));
          break;
        }
        case Token::Name: {
          Token after = take();
          if (after.kind == Token::Equals) {
            node.attributes.push_back({t.text, parseValue(t.text), t.line});
            expect(Token::Semicolon, "';' attendu après la valeur de \"" + t.text + "\"");
          } else if (after.kind == Token::Semicolon) {
            TileNode child;
            child.type = t.text;
            child.line = t.line;
            node.children.push_back(std::move(child));
          } else {
            fail(after.line, "'=' ou ';' attendu après \"" + t.text + "\", trouvé " + quote(after));
          }
          break;
        }
        case Token::End: fail(node.line, "'}' manquante pour \"" + what + "\"");
        default:
          fail(t.line, "attribut ou élément attendu dans \"" + what + "\", trouvé " + quote(t));
      }
    }
  }

  Value parseValue(const std::string& attribute) {
    Token t = take();
    switch (t.kind) {
      case Token::String: return {Value::String, t.text};
      case Token::Number: return {Value::Number, t.text};
      case Token::Name: return {Value::Name, t.text};
      default: fail(t.line, "valeur attendue pour \"" + attribute + "\", trouvé " + quote(t));
    }
  }

  Token take() { return lexer_.next(); }

  Token expect(Token::Kind kind, const std::string& what) {
    Token t = take();
    if (t.kind != kind) fail(t.line, what + ", trouvé " + quote(t));
    return t;
  }

  static std::string quote(const Token& t) {
    if (t.kind == Token::Name || t.kind == Token::Number) return "\"" + t.text + "\"";
    return describe(t.kind);
  }

  [[noreturn]] void fail(int line, const std::string& message) const {
    throw DclError(file_, line, message);
  }

  Lexer lexer_;
  std::string file_;
};

}  // namespace

ParsedFile parseDcl(std::string_view text, const std::string& fileName) {
  return Parser(text, fileName).parseFile();
}

}  // namespace dcl
