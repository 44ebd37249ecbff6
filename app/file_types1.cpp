#include "app/file_types1.h"

namespace yorvane {

namespace FileTypes1 {
namespace {

void Register(std::unique_ptr<framework::FileType>& slot, std::string_view name,
              std::string_view extensions, std::string_view macType) {
  slot = std::make_unique<framework::FileType>();
  slot->SetName(name);
  slot->SetExtensions(extensions);
  slot->SetMacType(macType);
  slot->SetMacCreator("????");
  slot->Convert();
}

}  // namespace

std::unique_ptr<framework::FileType> pText;
std::unique_ptr<framework::FileType> pAny;

void Initialize() {
  Register(pText, "text/plain",
           ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt",
           "TEXT");
  Register(pAny, "special/any", "", "????");
}

}  // namespace FileTypes1

}  // namespace yorvane
