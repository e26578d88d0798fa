// The physical block's identity, diagnosis extension, factory reset and free
// texts, the byte view of its software revision, and the analog input
// block's tag, twin of the physical block's.
#pragma once

#include "items/Texts.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::physical_block_identity {

constexpr const char* kSoftwareRevisionLabel =
    "Software Revision  |de|Software-Revision  |fr|Révision logiciel  |it|Versione software  "
    "|es|Revisión de software";

constexpr Variable kRows[] = {
    // Written only by GetNumericSoftwareRevision, from the bytes below.
    {.id = item::phys_software_rev_numeric,
     .label = kSoftwareRevisionLabel,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read},
    // The software revision string, byte by byte.
    {.id = item::phys_software_rev_000, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_001, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_002, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_003, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_004, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_005, .label = kSoftwareRevisionLabel, .size = 1, .handling = read},
    {.id = item::phys_software_rev_rest, .label = kSoftwareRevisionLabel, .size = 10, .handling = read},
    {.id = item::phys_tag_desc, .label = texts::kTag, .help = texts::kTagHelp, .size = 32, .handling = locked},
    {.id = item::phys_software_rev,
     .label = kSoftwareRevisionLabel,
     .help = "Software revision of the field device.  "
             "|de|Software-Revision des Feldgeräts.  "
             "|fr|Révision logiciel de l'appareil de terrain.  "
             "|it|Versione software dell'apparecchio da campo.  "
             "|es|Revisión de software del equipo de campo.",
     .size = 16,
     .defaultValue = text("1.0"),
     .handling = read},
    {.id = item::phys_hardware_rev,
     .label = "Hardware Revision  |de|Hardware-Revision  |fr|Révision matériel  |it|Versione hardware  "
              "|es|Revisión de hardware",
     .help = "Hardware revision of the field device.  "
             "|de|Hardware-Revision des Feldgeräts.  "
             "|fr|Révision matériel de l'appareil de terrain.  "
             "|it|Versione hardware dell'apparecchio da campo.  "
             "|es|Revisión de hardware del equipo de campo.",
     .size = 16,
     .defaultValue = text("1.0"),
     .handling = read},
    {.id = item::phys_device_id,
     .label = "Product designation  |de|Produktname  |fr|Nom de l'appareil  |it|Nome prodotto  "
              "|es|Nombre del aparato",
     .help = "Manufacturer-specific identification of the device.  "
             "|de|Herstellerspezifische Kennung des Geräts.  "
             "|fr|Identification de l'appareil spécifique au fabricant.  "
             "|it|Identificazione dell'apparecchio specifica del costruttore.  "
             "|es|Identificación del equipo específica del fabricante.",
     .size = 16,
     .defaultValue = text("Corvalin"),
     .handling = read},
    {.id = item::phys_device_ser_num,
     .label = "Device Serial Num  |de|Seriennummer  |fr|Numéro de série  |it|Numero di serie  |es|Número de serie",
     .help = "Uniquely identifies the Field Device. Therefore, this variable cannot   be modified by the Host.  "
             "|de|Kennzeichnet das Feldgerät eindeutig. Deshalb kann diese Variable vom Host nicht geändert "
             "werden.  "
             "|fr|Identifie l'appareil de terrain de manière unique. C'est pourquoi cette variable ne peut pas être "
             "modifiée par l'hôte.  "
             "|it|Identifica in modo univoco l'apparecchio da campo. Per questo motivo questa variabile non può "
             "essere modificata dall'host.  "
             "|es|Identifica de forma única el equipo de campo. Por ello, esta variable no puede ser modificada por "
             "el host.",
     .size = 16,
     .handling = read},
    {.id = item::phys_diagnosis_extension,
     .label = "Diagnosis Extension  |de|Diagnose-Erweiterung  |fr|Extension de diagnostic  "
              "|it|Estensione diagnostica  |es|Extensión de diagnóstico",
     .help = "additional manufacturer-specific information of the device, coded   bit-by-bit. More than one message "
             "possible at once.  "
             "|de|zusätzliche herstellerspezifische Informationen des Geräts, bitweise codiert. Mehrere Meldungen "
             "gleichzeitig möglich.  "
             "|fr|informations supplémentaires de l'appareil spécifiques au fabricant, codées bit par bit. Plusieurs "
             "messages possibles simultanément.  "
             "|it|informazioni aggiuntive dell'apparecchio specifiche del costruttore, codificate bit per bit. Sono "
             "possibili più messaggi contemporaneamente.  "
             "|es|información adicional del equipo específica del fabricante, codificada bit a bit. Es posible más "
             "de un mensaje a la vez.",
     .size = 6,
     .handling = read},
    {.id = item::phys_diagnosis_extension_mask,
     .label = "Extended Diagnosis Mask  |de|Maske erweiterte Diagnose  |fr|Masque de diagnostic étendu  "
              "|it|Maschera diagnostica estesa  |es|Máscara de diagnóstico ampliado",
     .help = "Definition of supported Diagnosis extension bits.  "
             "|de|Festlegung der unterstützten Bits der Diagnose-Erweiterung.  "
             "|fr|Définition des bits d'extension de diagnostic pris en charge.  "
             "|it|Definizione dei bit di estensione diagnostica supportati.  "
             "|es|Definición de los bits de extensión de diagnóstico admitidos.",
     .size = 6,
     .handling = read},
    {.id = item::phys_device_certification,
     .label = "Device Certification  |de|Gerätezertifizierung  |fr|Certification de l'appareil  "
              "|it|Certificazione dell'apparecchio  |es|Certificación del equipo",
     .help = "Certifications of the field device, e.g. EX certification.  "
             "|de|Zertifizierungen des Feldgeräts, z. B. Ex-Zulassung.  "
             "|fr|Certifications de l'appareil de terrain, p. ex. certification Ex.  "
             "|it|Certificazioni dell'apparecchio da campo, p. es. certificazione Ex.  "
             "|es|Certificaciones del equipo de campo, p. ej. certificación Ex.",
     .size = 32,
     .defaultValue = text("CE,NE21, Exmarking see plate"),
     .handling = read},
    // Not under the write lock; the reset methods write it too.
    {.id = item::phys_factory_reset,
     .label = texts::kFactoryReset,
     .help = "Command for setting device for default value.  "
             "|de|Befehl zum Zurücksetzen des Geräts auf die Standardwerte.  "
             "|fr|Commande de remise de l'appareil aux valeurs par défaut.  "
             "|it|Comando per riportare l'apparecchio ai valori predefiniti.  "
             "|es|Comando para restablecer el equipo a los valores predeterminados.",
     .size = 2,
     .handling = readWrite},
    {.id = item::phys_descriptor,
     .label = "Descriptor  |de|Beschreibung  |fr|Description  |it|Descrizione  |es|Descripción",
     .help = "User-definable text to describe the device within the application.  "
             "|de|Vom Anwender frei definierbarer Text zur Beschreibung des Geräts in der Anwendung.  "
             "|fr|Texte librement définissable par l'utilisateur pour décrire l'appareil dans l'application.  "
             "|it|Testo definibile dall'utente per descrivere l'apparecchio nell'applicazione.  "
             "|es|Texto definible por el usuario para describir el equipo en la aplicación.",
     .size = 32,
     .defaultValue = text(""),
     .handling = locked},
    {.id = item::phys_message,
     .label = "Message  |de|Nachricht  |fr|Message  |it|Messaggio  |es|Mensaje",
     .help = "User-definable message to describe the device within the application or in the plant.  "
             "|de|Vom Anwender frei definierbare Nachricht zur Beschreibung des Geräts in der Anwendung oder in der "
             "Anlage.  "
             "|fr|Message librement définissable par l'utilisateur pour décrire l'appareil dans l'application ou "
             "dans l'installation.  "
             "|it|Messaggio definibile dall'utente per descrivere l'apparecchio nell'applicazione o nell'impianto.  "
             "|es|Mensaje definible por el usuario para describir el equipo en la aplicación o en la planta.",
     .size = 32,
     .defaultValue = text(""),
     .handling = locked},
    {.id = item::phys_install_date,
     .label = "Installation Date  |de|Einbaudatum  |fr|Date d'installation  |it|Data di installazione  "
              "|es|Fecha de montaje",
     .help = "Date of installation of the device.  "
             "|de|Datum des Einbaus des Geräts.  "
             "|fr|Date d'installation de l'appareil.  "
             "|it|Data di installazione dell'apparecchio.  "
             "|es|Fecha de montaje del equipo.",
     .size = 16,
     .defaultValue = text("01.10.1998"),
     .handling = locked},
    {.id = item::func1_AI_tag_desc, .label = texts::kTag, .help = texts::kTagHelp, .size = 32, .handling = locked},
};

}  // namespace variables::physical_block_identity
