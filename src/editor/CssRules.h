#pragma once

#include <QStringList>
#include <QStringView>

// Data about style sheets shared by the colouring and the completion list.

// Property names, sorted.
const QStringList& cssPropertyNames();

// At-rules whose block holds further rules (selectors) rather than declarations.
bool cssAtRuleHoldsRules(QStringView name);

// Functions whose arguments make up one colour value: rgb(...), hsl(...).
bool cssIsColourFunction(QStringView name);
