// The device diagnosis and the mask of the diagnosis bits the device supports.
#pragma once

#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::device_diagnosis {

using variables::integer;
using variables::read;

constexpr Variable kRows[] = {
    {.id = item::phys_diagnosis,
     .label = "Diagnosis  |de|Diagnose  |fr|Diagnostic de l'appareil   |it|Stato del dispositivo  |es|Estado del aparato",
     .help = "Detailed status information about the field device's operating condition.   Health of device (not process).  |de|Gerätestatus: Betriebszustand des Gerätes. Zustand des Gerätes (nicht Prozeß).  |fr|Etat de fonctionnement de l'appareil. Etat de l'appareil (sans processus).  |it|Stato di esercizio del dispositivo. Stato del dispositivo ( non del   processo).  |es|Status del aparato: estado operativo del aparato. Estado del aparato   (no del proceso).",
     .size = 4,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kDiagnosisBits},
    // The mask has no "Status OK" entry; its index is bit 31.
    {.id = item::phys_diagnosis_mask,
     .label = "Diagnosis Mask   |de|Diagnosemaske  |fr|Masque de diagnostic  |it|Maschera di diagnostica  |es|Máscara de diagnóstico",
     .help = "Diagnosis Mask: Definition of supported Diagnosis information bits.   0 = not supported, 1 = supported.  |de|Definition der vom Gerät unterstützten Diagnose-Informationsbits.   0 = nicht unterstützt, 1 = unterstützt.  |fr|Définition des bits d'information de diagnostic pris en charge par   l'appareil. 0 = non pris en charge, 1 = pris en charge.  |it|Definisce i bits di informazione di diagnostica supportati dal dispositivo.   0 = non supportato, 1 = supportato.  |es|Definición de los bits de información de diagnóstico soportados por   el aparato. 0 = no soportado, 1= soportado.",
     .size = 4,
     .handling = read,
     .maxEnumIndex = -2147483648,
     .bitEnumerators = std::span(kDiagnosisBits).subspan(1)},
};

}  // namespace enumerations::device_diagnosis
