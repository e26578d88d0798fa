// The physical block's write locking, local operation, ident number choice and
// hardware write protection.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::write_protection_and_local_operation {

constexpr const char kOff[] = "Off  |de|Aus";
constexpr const char kOn[] = "On  |de|Ein";

using variables::integer;
using variables::locked;
using variables::read;
using variables::readWrite;

// The unlock code means "Off".
constexpr Enumerator kWriteLocking[] = {
    {code::kWriteUnlock, kOff},
    {0, kOn},
};

constexpr Enumerator kIdentNumber[] = {
    {0, "Profile specific  |de|Profil-spezifisch  |fr|Spécifique au profil  |it|Specifico del profilo  |es|Específico del perfil"},
    {1, "Manufacturer specific  |de|Hersteller-spezifisch  |fr|Spécifique au constructeur  |it|Specifico del costruttore  |es|Específico del fabricante"},
};

constexpr Enumerator kJumper[] = {
    {1, kOn},
    {0, kOff},
};

constexpr Variable kRows[] = {
    {.id = item::phys_write_locking,
     .label = texts::kWriteLocking,
     .help = texts::kWriteLockingHelp,
     .size = 2,
     .defaultValue = integer(code::kWriteUnlock),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kWriteLocking},
    {.id = item::phys_local_operation_enable,
     .label = "Local Operation  |de|Lokale Bedienung  |fr|Commande locale  |it|Comando locale  |es|Manejo local",
     .help = "If communication fails for a time greater 30 sec, local operation   will be enabled automatically.  |de|Lokale Bedienung wird automatisch eingeschaltet, wenn nach mehr als   30 Sek. keine Kommunikation aufgebaut werden kann.  |fr|La commande locale est activée automatiquement si aucune communication   ne peut être établie dans un délai supérieur à 30 secondes.  |it|Il comando locale viene acceso automaticamente se, trascorsi più   di 30 secondi, non può essere instaurata alcuna comunicazione.  |es|El manejo local se habilita automáticamente cuando la comunicación   falla por un periodo mayor de 30 segundos. ",
     .size = 1,
     .defaultValue = integer(1),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kDisabledEnabledSet},
    {.id = item::phys_ident_number,
     .label = "PROFIBUS Ident Number  |fr|Numéro d'indentification PROFIBUS  |it|Numero di identificazione PROFIBUS  |es|Nº de identificación PROFIBUS",
     .help = "Each PROFIBUS-DP /EN50170/ device shall have an Ident_Number provided   by the PNO. There are profile specific Ident_Numbers. A device may   have a profile specific one and the manufacturer specific one. The   user is able to chose one of both using this parameters.  |de|Jedes PROFIBUS-DP /EN50170/ Gerät muss eine, von der PNO zugewiesene,   Ident_Nummer haben. Es gibt profil-spezifische Ident Nummern. Ein   Gerät kann eine Profil-spezifische oder eine Hersteller-spezifische   haben.Der Benutzer kann eine davon auswählen.  |fr|Un des numéros d'identification de la PTO doit être affecté à chaque   appareil PROFIBUS-DP /EN50170/. Il existe des numéros d'identification   spécifiques à un profil. Un appareil peut avoir un numéro spécifique   au profil ou au constructeur. L'utilisateur peut choisir l'un des deux.  |it|Tutti i dispositivi PROFIBUS-DP /EN50170/ devono essere dotati di   un numero di identificazione assegnatogli dal PTO (Organizzazione   utenti PROFIBUS). Esistono numeri di identificazione specifici per   il profilo. Un dispositivo può essere dotato di un numero specifico   di profilo o di un numero specifico del costruttore. L'utente puó   scegliere tra i due  |es|Todo aparato PROFIBUS-DP /EN50170/ tiene que poseer un código de   identificación asignado por la PNO. Existen códigos específicos del   perfil. Un aparato puede poseer un código de identificación específico   del perfil o del fabricante. El usuario puede elegir uno de ambos.",
     .size = 1,
     .defaultValue = integer(1),
     .handling = locked,
     .maxEnumIndex = 1,
     .enumerators = kIdentNumber},
    {.id = item::phys_hw_write_protection,
     .label = "HW Write Protection  |de|Hardware-Schreibschutz  |fr|Protection en écriture matérielle  |it|Protezione scrittura hardware  |es|Protección contra escritura del hardware",
     .help = "Indicates the position of a hardware jumper which protects all writeable   parameters of the device.  |de|Zeigt die Position eines Hardware-Jumpers, der alle schreibbaren   Parameter des Gerätes schützt.  |fr|Donne la position d'un cavalier protégeant les paramètres de l'appareil   contre l'écriture  |it|Indica la posizione di un ponte hardware che protegge tutti i parametri   scrivibili del dispositivo.  |es|Muestra la posición de un puente de hardware que protege todos los   parámetros del aparato contra escritura.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kJumper},
};

}  // namespace enumerations::write_protection_and_local_operation
