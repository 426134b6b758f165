#pragma once

#include <pugixml.hpp>

// Elements and attributes of Office Open XML parts by their local names: writers differ in the
// namespace prefixes they use.
bool IsNamed(const pugi::xml_node& Node, const char* Local);
pugi::xml_node ChildNamed(const pugi::xml_node& Node, const char* Local);
pugi::xml_attribute AttributeNamed(const pugi::xml_node& Node, const char* Local);
