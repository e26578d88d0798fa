// Block object, parent class, class, profile and profile revision of the three
// blocks. The transducer block's class is offered in the vocabulary of its
// parent class.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::block_identification {

using variables::EnumBranch;
using variables::EnumChoice;
using variables::integer;
using variables::read;

constexpr const char* kObjectLabel = "Block Object  |de|Blockobjekt  |fr|Objet bloc  |it|Oggetto blocco  |es|Objeto bloque";
constexpr const char* kObjectHelp = "Type of related block.  |de|Typ des entsprechenden Blocks.  |fr|Type du bloc correspondant.  |it|Tipo del relativo blocco.  |es|Tipo del respectivo bloque";
constexpr const char* kParentClassLabel = "Parent Class  |de|Hauptklasse  |fr|Catégorie principale  |it|Classe principale  |es|Clase principal";
constexpr const char* kClassLabel = "Class  |de|Klasse  |fr|Catégorie  |it|Classe  |es|Clase";
constexpr const char* kProfileLabel = "Profile  |de|Profil  |fr|Profil  |it|Profilo  |es|Perfil";
constexpr const char* kProfileHelp = "Class and term of the profile associated with the block.  |de|Klasse und Bezeichnung des zum Block gehörenden Profils.  |fr|Catégorie et désignation du profil associé au bloc.  |it|Classe e denominazione del profilo appartenente al blocco.  |es|Clase y denominación del perfil asociado al bloque.";
constexpr const char* kRevisionLabel = "Profile Revision  |de|Profil-Revision  |fr|Révision de profil  |it|Versione profilo  |es|Versión del perfil";
constexpr const char* kRevisionHelp = "Revision number of the profile relating to the block.  |de|Revisionsnummer des Blockprofils.  |fr|Numéro de révision du profil de bloc.  |it|Versione del profilo blocco  |es|Versión del perfil referido al bloque.";

constexpr Enumerator kTransducerObject[] = {
    {3, "Transducer Block  |de|Transducer Block  |fr|Bloc transducteur  |it|Blocco trasduttore  |es|Bloque transductor"},
};
constexpr Enumerator kPhysicalObject[] = {
    {1, texts::kPhysicalBlock},
};
constexpr Enumerator kFunctionObject[] = {
    {2, "Function Block  |de|Function Block  |fr|Bloc fonctionnel  |it|Blocco funzionale  |es|Bloque de función"},
};

constexpr Enumerator kTransducerParentClass[] = {
    {1, "Pressure  |de|Druck  |fr|Pression  |it|Pressione  |es|Presión"},
    {2, "Temperature  |de|Temperatur  |fr|Température  |it|Temperatura  |es|Temperatura"},
    {3, "Flow  |de|Durchfluß  |fr|Débit  |it|Portata  |es|Caudal"},
    {4, texts::kLevel},
    {6, "Binary I/O  |de|Binäre Ein-/Ausgabe  |fr|Entrée/sortie binaire  |it|Ingresso/uscita digitale  |es|Entrada/Salida binaria"},
    {7, "Analyser  |de|Analysentechnik  |fr|Technique d'analyse  |it|Tecnica di analisi  |es|Analizadores"},
    {252, texts::kUnknown},
};
constexpr Enumerator kPhysicalParentClass[] = {
    {1, "Transmitter  |de|Meßumformer  |fr|Transmetteur  |it|Trasduttore di misura  |es|Transductor de medida"},
};
constexpr Enumerator kFunctionParentClass[] = {
    {1, texts::kInput},
};
constexpr Enumerator kFunctionClass[] = {
    {1, "Analog Input  |de|Analogeingang  |fr|Entrée analogique  |it|Ingresso analogico  |es|Entrada analógica"},
};

// The transducer block's classes, by parent class.
constexpr Enumerator kPressureClasses[] = {
    {1, "Differential  |de|Differenzdruck  |fr|Pression différentielle  |it|Pressione differenziale  |es|Presión diferencial"},
    {2, "Absolute  |de|Absolutdruck  |fr|Pression absolue  |it|Pressione assoluta  |es|Presión absoluta"},
    {3, "Gage  |de|Überdruck  |fr|Pression  |it|Pressione  |es|Sobrepresión"},
};
constexpr Enumerator kTemperatureClasses[] = {
    {1, "Thermocouple (TC)  |de|Thermoelement (TC)  |fr|Thermocouple (TC)  |it|Termocoppia (TC)  |es|Termopar (TC)"},
    {2, "Thermoresistance (RTD)  |de|Widerstandsthermometer (RTD)  |fr|Thermorésistance (RTD)  |it|Termoresistenza (RTD)  |es|Termorresistencia (RTD)"},
    {3, "Pyrometer  |de|Pyrometer  |fr|Pyromètre  |it|Pirometro  |es|Pirómetro"},
    {16, "TC + DC U"},
    {17, "RTD + R"},
    {18, "TC + RTD + R + DC U"},
};
constexpr Enumerator kFlowClasses[] = {
    {1, "Electromagnetic Flow  |de|Elektromagnetische Durchflußmessung  |fr|Mesure de débit électromagnétique  |it|Misurazione di portata elettromagnetica  |es|Medición de flujo electromagnética"},
    {2, "Vortex Flow  |de|Vortex Durchflußmessung  |fr|Mesure de débit vortex  |it|Misurazione di portata Vortex  |es|Medición de caudal Vortex"},
    {3, "Coriolis Flow  |de|Coriolis Durchflußmessung  |fr|Mesure de débit coriolis  |it|Misurazione di portata Coriolis  |es|Medición de caudal por efecto Coriolis"},
    {4, "Thermal Mass Flow  |de|Thermische Durchflußmessung  |fr|Mesure de débit thermique  |it|Misurazione di portata termica  |es|Medición térmica de caudal"},
    {5, "Ultrasonic Flow  |de|Ultraschall Durchflußmessung  |fr|Mesure de débit par ulra-sons  |it|Misurazione di portata a ultrasuoni  |es|Medición de caudal por ultrasonido"},
};
constexpr Enumerator kLevelClasses[] = {
    {1, "Hydrostatic Level Meter  |de|Hydrostatische Füllstandsmessung  |fr|Mesure de débit hydrostatique  |it|Misurazione di portata idrostatica  |es|Medición hidróstatica de nivel"},
    {2, "Echo Level  |de|Echopegel  |fr|Niveau d'écho  |it|Livello eco  |es|Nivel de eco"},
    {4, "Capacitive  |de|Kapazitiv  |fr|Capacitif"},
};
constexpr Enumerator kBinaryClasses[] = {
    {1, "trans_DI_blk_class_IO"},
};
constexpr Enumerator kStandardClasses[] = {
    {1, "Standard  |de|Standard  |fr|Standard  |it|Standard  |es|Estándar"},
};

// No branch for 5, 7 or 252: those take the standard set.
constexpr EnumBranch kClassByParent[] = {
    {{.value = 1}, kPressureClasses},
    {{.value = 2}, kTemperatureClasses},
    {{.value = 3}, kFlowClasses},
    {{.value = 4}, kLevelClasses},
    {{.value = 6}, kBinaryClasses},
};
constexpr EnumChoice kTransducerClass{
    .branches = kClassByParent,
    .otherwise = kStandardClasses,
    .selector = item::trans1_blk_parent_class,
};

constexpr Enumerator kShortRevisionSet[] = {
    {512, "2.0"},
    {605, "2.93"},
    {607, "2.95"},
    {768, "3.0"},
};

constexpr Variable kRows[] = {
    {.id = item::trans1_blk_object,
     .label = kObjectLabel,
     .help = kObjectHelp,
     .size = 1,
     .handling = read,
     .maxEnumIndex = 3,
     .enumerators = kTransducerObject},
    {.id = item::trans1_blk_parent_class,
     .label = kParentClassLabel,
     .help = "Parent Class: Defines the transducer block parent class (Pressure,   Temperature, Flow etc.).  |de|Hauptklasse: Bestimmt die Hauptklasse des Transducer Blocks, (Druck,   Temperatur, Durchfluß usw.).  |fr|Catégorie principale : définit la catégorie principale du bloc transmetteur   (pression, température, débit, etc.).  |it|Classe principale: determina la classe principale del blocco trasduttore   (pressione, temperatura, portata etc.)  |es|Clase principal: define la clase principal del bloque transductor,   (presión, temperatura, caudal etc.)",
     .size = 1,
     .defaultValue = integer(4),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kTransducerParentClass},
    {.id = item::trans1_blk_class,
     .label = kClassLabel,
     .help = "Class: Defines the transducer block class (Differential, Absolute, Gage).  |de|Klasse: Bestimmt die Klasse des Transducer Blocks (Differenzdruck,   Absolutdruck, Überdruck).  |fr|Catégorie : définit la catégorie principale du bloc transmetteur   (pression différentielle, pression absolue, pression).  |it|Classe: determina la classe del blocco trasduttore (pressione differenziale,   pressione assoluta, sovrapressione).  |es|Clase: define la clase del bloque transductor (presión diferencial,   presión absoluta, sobrepresión)",
     .size = 1,
     .defaultValue = integer(4),
     .handling = read,
     .maxEnumIndex = 253,
     .chosenEnumerators = &kTransducerClass,
     .enumerators = kClosingSet},
    {.id = item::trans1_blk_profile,
     .label = kProfileLabel,
     .help = kProfileHelp,
     .size = 2,
     .defaultValue = integer(16385),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kProfileSet},
    {.id = item::trans1_blk_profile_rev,
     .label = kRevisionLabel,
     .help = kRevisionHelp,
     .size = 2,
     .defaultValue = integer(768),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kShortRevisionSet},
    {.id = item::phys_blk_object,
     .label = kObjectLabel,
     .help = kObjectHelp,
     .size = 1,
     .handling = read,
     .maxEnumIndex = 1,
     .enumerators = kPhysicalObject},
    {.id = item::phys_blk_parent_class,
     .label = kParentClassLabel,
     .help = "Parent Class: Defines the physical block parent class (Transmitter,   Actuator, Controller etc.).  |de|Hauptklasse: Bestimmt die Hauptklasse des Physical Blocks,(Meßumformer,   Stellgerät, Controller usw.).  |fr|Catégorie principale : définit la catégorie principale du bloc physique   (transmetteur, actionneur, contrôleur, etc.).  |it|Classe principale: determina la classe principale del blocco fisico   (trasduttore di misura, posizionatore controller etc.)  |es|Clase principal: define la clase principal de bloque físico, (transductor   de medida, actuador, posicionador, etc.).",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 1,
     .enumerators = kPhysicalParentClass},
    // Only 250 "Not used", the first of the closing codes.
    {.id = item::phys_blk_class,
     .label = kClassLabel,
     .help = "Class: Defines the physical block class (Device type).  |de|Klasse: Bestimmt die Klasse des Physical Blocks, (Gerätetyp).  |fr|Catégorie : définit la catégorie principale du bloc physique (type   d'appareil).  |it|Classe: determina la classe del blocco fisico (tipo di dispositivo).  |es|Clase: define la clase del bloque físico, (tipo de aparato)",
     .size = 1,
     .defaultValue = integer(250),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kClosingSet.first(1)},
    {.id = item::phys_blk_profile,
     .label = kProfileLabel,
     .help = kProfileHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 16514,
     .enumerators = kProfileSet},
    {.id = item::phys_blk_profile_rev,
     .label = kRevisionLabel,
     .help = kRevisionHelp,
     .size = 2,
     .defaultValue = integer(768),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLongRevisionSet},
    {.id = item::func1_AI_blk_profile,
     .label = kProfileLabel,
     .help = kProfileHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 16514,
     .enumerators = kProfileSet},
    {.id = item::func1_AI_blk_profile_rev,
     .label = kRevisionLabel,
     .help = kRevisionHelp,
     .size = 2,
     .defaultValue = integer(768),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLongRevisionSet},
    {.id = item::func1_AI_blk_object,
     .label = kObjectLabel,
     .help = kObjectHelp,
     .size = 1,
     .handling = read,
     .maxEnumIndex = 2,
     .enumerators = kFunctionObject},
    {.id = item::func1_AI_blk_parent_class,
     .label = kParentClassLabel,
     .help = "Parent Class: Defines the function block parent class (Input, Output,   Control etc.).  |de|Hauptklasse: Bestimmt die Hauptklasse des Function Block (Eingang,   Ausgang, Steuerung usw.).  |fr|Catégorie principale : définit la catégorie principale du bloc de   fonctions (entrée, sortie, élément de réglage, etc.).  |it|Classe principale: determina la classe principale del blocco funzionale   (ingresso, uscita, elemento di posizionamento etc)  |es|Clase principal: define la clase principal del bloque de función   (entrada, salida, control, etc.)",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 1,
     .enumerators = kFunctionParentClass},
    {.id = item::func1_AI_blk_class,
     .label = kClassLabel,
     .help = "Class: Defines the function block class (Analog Input, Discrete Input etc.).  |de|Klasse: Bestimmt die Klasse des Function Block (Analogeingang, Diskreter   Eingang usw.).  |fr|Catégorie : définit la catégorie principale du bloc de fonctions   (entrée analogique, entrée TOR, etc.)  |it|Classe: determina la funzione del blocco funzionale (ingresso analogico,   ingresso digitale etc.)  |es|Clase: Define la clase del bloque de función (entrada analógica,   entrada digital, etc.).",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 1,
     .enumerators = kFunctionClass},
};

}  // namespace enumerations::block_identification
