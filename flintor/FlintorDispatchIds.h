// Dispatch identifiers of the Flintor control's members and events. Containers bind by
// these numbers, so they never change. Plain #defines: the interface definition reads them
// and gives each its name there, and the control looks names up in its type library, so
// Flintor.idl is the one map from names to ids.
#ifndef VELMORA_FLINTOR_DISPATCH_IDS_H
#define VELMORA_FLINTOR_DISPATCH_IDS_H

#define FLINTOR_DISPID_ANIPICTURE 0 /* the default member */
#define FLINTOR_DISPID_DESIGNLOCK 0x68030008
#define FLINTOR_DISPID_CURRENTFRAME 0x68030007
#define FLINTOR_DISPID_BORDERSTYLE 0x68030006
#define FLINTOR_DISPID_PLAY 0x60030010
#define FLINTOR_DISPID_PAUSE 0x60030011
#define FLINTOR_DISPID_SHOWABOUT (-552) /* the platform's About-box identifier */
#define FLINTOR_DISPID_MOUSEICON 0x68030005
#define FLINTOR_DISPID_MOUSEPOINTER 0x68030004
#define FLINTOR_DISPID_INTERVAL 0x68030003
#define FLINTOR_DISPID_BACKSTYLE 0x68030002
#define FLINTOR_DISPID_MASKCOLOR 0x68030001
#define FLINTOR_DISPID_OLEDROPMODE 0x68030000
#define FLINTOR_DISPID_OLEDRAG 0x60030012

/* Events, numbered in their order of declaration. */
#define FLINTOR_DISPID_OLESTARTDRAG 1
#define FLINTOR_DISPID_OLESETDATA 2
#define FLINTOR_DISPID_OLEGIVEFEEDBACK 3
#define FLINTOR_DISPID_OLEDRAGOVER 4
#define FLINTOR_DISPID_OLEDRAGDROP 5
#define FLINTOR_DISPID_OLECOMPLETEDRAG 6
#define FLINTOR_DISPID_FRAMECHANGE 7
#define FLINTOR_DISPID_CLICK 8

#endif
