// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/element_facts.h"

#include <openbabel/elements.h>

#include <cctype>

namespace kiva {

namespace {

// The periodic-table group of an atomic number; 0 inside the lanthanides and actinides.
int GroupOf(int number) {
    static const int kPeriodStarts[] = {1, 3, 11, 19, 37, 55, 87, 119};
    int period = 0;
    while (period < 7 && number >= kPeriodStarts[period + 1]) ++period;
    const int position = number - kPeriodStarts[period];  // 0-based within the period
    if (period == 0) return number == 1 ? 1 : 18;
    if (period <= 2) return position < 2 ? position + 1 : position + 11;
    if (period <= 4) return position + 1;
    if (position < 3) return position + 1;  // Cs, Ba, La / Fr, Ra, Ac
    if (position < 17) return 0;            // Ce to Lu, Th to Lr
    return position - 13;
}

bool IsSemimetal(int number) {
    switch (number) {
    case 5: case 14: case 32: case 33: case 51: case 52: return true;  // B, Si, Ge, As, Sb, Te
    default: return false;
    }
}

bool IsNonMetal(int number) {
    switch (number) {
    case 1: case 2: case 6: case 7: case 8: case 9: case 10: case 15: case 16: case 17: case 18:
    case 34: case 35: case 36: case 53: case 54: case 85: case 86: return true;
    default: return false;
    }
}

}  // namespace

std::optional<ElementFacts> FactsOf(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 2 || !std::isalpha(static_cast<unsigned char>(symbol[0])) ||
        (symbol.size() == 2 && !std::isalpha(static_cast<unsigned char>(symbol[1]))))
        return std::nullopt;
    std::string written(1, static_cast<char>(std::toupper(static_cast<unsigned char>(symbol[0]))));
    if (symbol.size() == 2) written += static_cast<char>(std::tolower(static_cast<unsigned char>(symbol[1])));
    if (written == "D" || written == "T") written = "H";
    const int number = static_cast<int>(OpenBabel::OBElements::GetAtomicNum(written.c_str()));
    if (number <= 0 || number > 118 || written != OpenBabel::OBElements::GetSymbol(static_cast<unsigned>(number)))
        return std::nullopt;
    ElementFacts facts;
    facts.symbol = written;
    facts.number = number;
    facts.group = GroupOf(number);
    facts.covalentRadius = static_cast<float>(OpenBabel::OBElements::GetCovalentRad(static_cast<unsigned>(number)));
    facts.electronegativity = static_cast<float>(OpenBabel::OBElements::GetElectroNeg(static_cast<unsigned>(number)));
    facts.metal = !IsSemimetal(number) && !IsNonMetal(number);
    facts.nobleGas = facts.group == 18;
    return facts;
}

std::optional<ElementFacts> ElementAtStartOf(std::string_view text) {
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[1])))
        if (auto facts = FactsOf(text.substr(0, 2))) return facts;
    return text.empty() ? std::nullopt : FactsOf(text.substr(0, 1));
}

}  // namespace kiva
