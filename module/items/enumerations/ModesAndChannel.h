// The mode parameter of the three blocks (target, actual, permitted and normal
// mode) and the analog input block's channel.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::modes_and_channel {

using variables::integer;
using variables::locked;
using variables::read;
using variables::readWrite;

constexpr const char* kTargetLabel = "Target Mode  |de|Zielmodus  |fr|Mode cible  |it|Modo di destinazione  |es|Modo de destino";
constexpr const char* kTargetHelp = "Defines the target mode of the block.  |de|Einstellbarer Modus für den Block.  |fr|Mode pouvant être défini pour un bloc.  |it|Modo operativo per il blocco.  |es|Modos de destino: Modo ajustable para el bloque.";
constexpr const char* kActualHelp = "The actual mode attribute reflects the mode of operation it is able   to achieve. Comparison of the actual with the target indicates whether   the target was achieved. The actual mode is set by the block.  |de|Der aktuelle Modus zeigt an welcher Betriebsmodus erreicht werden   kann. Der Vergleich des aktuellen Modus mit dem Zielmodus zeigt ob   der Zielmodus erreicht wurde. Der aktuelle Modus wird durch den Block gesetzt.  |fr|Le mode actuel indique le mode de fonctionnement qui peut être réalisé.   La comparaison entre le mode actuel et le mode cible indique si le   mode cible a été atteint. Le mode actuel est activé par le bloc.  |it|Il modo attuale indica il modo operativo in corso. Il confronto tra   modo attuale e modo di destinazione indica se il modo di destinazione   è stato raggiunto. Il modo attuale viene impostato dal gruppo.  |es|El modo actual indica el modo de operación que se puede alcanzar.   La comparación del modo actual con el modo de destino indica si ha   sido alcanzado el modo de destino. El modo actual lo establece el bloque. ";
constexpr const char* kPermittedLabel = "Permitted Mode  |de|Erlaubter Modus  |fr|Mode autorisé  |it|Modo permesso  |es|Modo permitido";
constexpr const char* kPermittedHelp = "The permitted mode attribute is the part of the mode parameter that   indicates what mode of operation is allowed for the block.  |de|Dieser Teil des Modusparameters zeigt an, welcher Modus für den Block   möglich ist.  |fr|Cette partie du paramètre de mode indique le mode possible pour le bloc.  |it|Questa parte del parametro indica il modo consentito per il gruppo.  |es|El atributo de modo permitido es la parte del parámetro que indica   cuál de los modos de servicio es compatible con el bloque. ";
constexpr const char* kNormalLabel = "Normal Mode  |de|Normalmodus  |fr|Mode normal  |it|Modo normale  |es|Modo normal";
constexpr const char* kNormalHelp = "To help an operator select the normal mode of operation from those   available, a normal mode attribute is provided in the mode parameter.   This attribute may be used by a human interface application to help   guide the operator in setting the operation mode of a block. The   normal mode is the desired operating mode of the block.  |de|Um dem Operator eine Hilfe bei der Auswahl des normalen Beriebsmodus   geben zu können, wird ein entsprechendes Attribut im Modus-Parameter   zur Verfügung gestellt. Der Normalmodus stellt den gewünschten Betriebsmodus dar.  |fr|Pour assister l'opérateur lors de la sélection du mode de fonctionnement   normal, l'attribut correspondant est fourni dans le paramètre de   mode. Le mode normal représente le mode de fonctionnement souhaité.  |it|Per supportare l'operatore nella scelta del modo operativo normale,   nel parametro di modo viene messo a disposizione un relativo attributo.   Il modo normale rappresenta il modo operativo desiderato.  |es|Para ayudar al operador a seleccionar el modo normal de operación,   en el parámetro de modos se suministra el atributo correspondiente.   El modo normal constituye el modo de operación deseado. ";

// The transducer block knows AUTO and MAN only as target, AUTO only as normal.
constexpr std::span<const Enumerator> kAutoManual = std::span(kModeSet).subspan(1, 2);
constexpr std::span<const Enumerator> kAutoOnly = std::span(kModeSet).subspan(1, 1);

constexpr Enumerator kChannel[] = {{0x0111, "pv"}};

// The analog input block's target mode has texts of its own.
constexpr Enumerator kAnalogInputTarget[] = {
    {8, "auto"},
    {16, "manual"},
    {128, "out_of_service"},
};

constexpr Variable kRows[] = {
    {.id = item::trans1_target_mode,
     .label = kTargetLabel,
     .help = kTargetHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kAutoManual},
    {.id = item::trans1_actual_mode,
     .label = texts::kActualMode,
     .help = kActualHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kModeSet},
    {.id = item::trans1_permitted_mode,
     .label = kPermittedLabel,
     .help = kPermittedHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kModeBits},
    {.id = item::trans1_normal_mode,
     .label = kNormalLabel,
     .help = kNormalHelp,
     .size = 1,
     .handling = read,
     .maxEnumIndex = 8,
     .enumerators = kAutoOnly},
    {.id = item::phys_target_mode,
     .label = kTargetLabel,
     .help = kTargetHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kModeSet},
    {.id = item::phys_actual_mode,
     .label = texts::kActualMode,
     .help = kActualHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kModeSet},
    {.id = item::phys_permitted_mode,
     .label = kPermittedLabel,
     .help = kPermittedHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kModeBits},
    {.id = item::phys_normal_mode,
     .label = kNormalLabel,
     .help = kNormalHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kModeSet},
    {.id = item::func1_AI_channel,
     .label = "Channel  |de|Kanal  |fr|Voie  |it|Canale  |es|Canal",
     .help = "The number of the channel that is connected to this function   block. It defines the associated transducer block.  |de|Die Nummer des Kanals der mit diesem Funktionsblock verbunden   ist. Sie bestimmt den zugehörigen Transducer Block.  |fr|Numéro de la voie du matériel associé à ce bloc fonctionnel. Il détermine   le bloc transmetteur correspondant.  |it|Il numero del canale collegato a questo blocco funzionale.   Il numero del canale determina il blocco trasduttore.  |es|El número del canal que esta conectado con este bloque   de funciones. Define el bloque transductor correspondiente. ",
     .size = 2,
     .handling = readWrite,
     .maxEnumIndex = 0x0111,
     .enumerators = kChannel},
    {.id = item::func1_AI_target_mode,
     .label = kTargetLabel,
     .help = kTargetHelp,
     .size = 1,
     .handling = locked,
     .maxEnumIndex = 128,
     .enumerators = kAnalogInputTarget},
    {.id = item::func1_AI_actual_mode,
     .label = texts::kActualMode,
     .help = kActualHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kAnalogInputModeSet},
    {.id = item::func1_AI_permitted_mode,
     .label = kPermittedLabel,
     .help = kPermittedHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kAnalogInputModeBits},
    {.id = item::func1_AI_normal_mode,
     .label = kNormalLabel,
     .help = kNormalHelp,
     .size = 1,
     .defaultValue = integer(8),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kAnalogInputModeSet},
};

}  // namespace enumerations::modes_and_channel
