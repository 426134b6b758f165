#pragma once

#include <QString>
#include <pugixml.hpp>

// Elements and attributes of Office Open XML parts by their local names: writers differ in the
// namespace prefixes they use.
bool IsNamed(const pugi::xml_node& Node, const char* Local);
pugi::xml_node ChildNamed(const pugi::xml_node& Node, const char* Local);
pugi::xml_attribute AttributeNamed(const pugi::xml_node& Node, const char* Local);

// A part named by a relationship of the workbook: its target is relative to the workbook's
// folder, or absolute from the package root.
QString WorkbookPartName(const QString& Target);
