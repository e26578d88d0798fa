// The manufacturer identification code, shown by company name.
#pragma once

#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::manufacturer {

using variables::integer;
using variables::read;

constexpr Variable kRows[] = {
    {.id = item::phys_device_man_id,
     .label = "Manufacturer  |de|Hersteller  |fr|Constructeur  |it|Costruttore  |es|Fabricante",
     .help = "References a specific manufacturer, which is usually a company name,   that is responsible for the manufacture of this Field Device.  |de|Kennzeichnet eindeutig den Hersteller des Feldgerätes. Üblicherweise   der Name der Firma, die das entsprechende Feldgerät herstellt.  |fr|Spécifie clairement le constructeur de l'appareil de terrain, généralement   le nom de la société qui fabrique l'appareil de terrain.  |it|Contrassegna univocamente il costruttore dell'apparecchio di campo.   Si tratta di solito del nome della ditta costruttrice di tali apparecchi.  |es|Identifica a un fabricante específico que es por lo general la razón   social de una empresa productora del aparato de campo respectivo. ",
     .size = 2,
     .defaultValue = integer(17),
     .handling = read,
     .maxEnumIndex = 253,
     .enumerators = kManufacturerSet},
};

}  // namespace enumerations::manufacturer
