#pragma once
// Parsing XML text into a DOM with our options; a parse error becomes an EQVError that says
// what is wrong and where.

#include <cstddef>
#include <pugixml.hpp>
#include <string_view>

// Parses a copy of Text.
void ParseXmlText(pugi::xml_document& Doc, std::string_view Text);
// Parses Buffer in place: Buffer must outlive Doc. Options default to ours.
void ParseXmlInPlace(pugi::xml_document& Doc, char* Buffer, std::size_t Size);
// The fastest parse that still checks well-formedness (no entity decoding): for verifying.
void ParseXmlMinimalInPlace(pugi::xml_document& Doc, char* Buffer, std::size_t Size);
