#include "framework/variant.h"

namespace framework {
namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

}  // namespace

int32_t VarType(const Variant& value) {
  return std::visit(Overloaded{
                        [](std::monostate) { return 0; },
                        [](int32_t) { return 2; },
                        [](double) { return 5; },
                        [](bool) { return 11; },
                        [](const String&) { return 8; },
                    },
                    value.Value());
}

int32_t VariantToInt32(const Variant& value) {
  return std::visit(Overloaded{
                        [](std::monostate) { return int32_t{0}; },
                        [](int32_t number) { return number; },
                        [](double number) { return RuntimeCvtReal64ToSInt32(number); },
                        [](bool flag) { return int32_t{flag ? 1 : 0}; },
                        [](const String& text) { return RuntimeCvtReal64ToSInt32(Val(text)); },
                    },
                    value.Value());
}

String VariantToString(const Variant& value) {
  return std::visit(Overloaded{
                        [](std::monostate) { return String(); },
                        [](int32_t number) { return Str(number); },
                        [](double number) { return Str(number); },
                        [](bool flag) { return String(flag ? "True" : "False"); },
                        [](const String& text) { return text; },
                    },
                    value.Value());
}

Variant StringToVariant(String text) { return Variant(std::move(text)); }

}  // namespace framework
