/* Simulated USB boards for the shipped plugset.exe under Wine: a kernel driver (loaded by Wine's
 * winedevice) with one device per board, each reachable by the device-interface path that
 * simboard_setup registers for it, answering the board driver's three requests. The boards
 * keep their names while the driver runs, so a rename reads back as on a real board. */
#include <ntddk.h>

#define BOARD_COUNT 3
#define NAME_BYTES 17
#define SERIAL_BYTES 13
#define IOCTL_READ_NAME CTL_CODE(FILE_DEVICE_UNKNOWN, 6, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_WRITE_NAME CTL_CODE(FILE_DEVICE_UNKNOWN, 7, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_READ_SERIAL CTL_CODE(FILE_DEVICE_UNKNOWN, 12, METHOD_BUFFERED, FILE_ANY_ACCESS)

typedef struct {
    char name[NAME_BYTES];
    ULONG nameLength;
    char serial[SERIAL_BYTES];
    ULONG serialLength;
} Board;

static const char *const boardNames[BOARD_COUNT] = {"Lab3", "Kiln2", "Oven7"};
static const char *const boardSerials[BOARD_COUNT] = {"A1B2C3", "0042F7", "00A913"};
#define DEVICE(n) L"\\Device\\LansetSimBoard" #n
static const WCHAR *const deviceNames[BOARD_COUNT] = {DEVICE(0), DEVICE(1), DEVICE(2)};
/* The interface paths of ROOT\LANSETSIM\000N for the board driver's interface class. */
#define LINK(n) L"\\??\\root#lansetsim#000" #n "#{bcb3c510-9c6a-48c3-887a-df992853e6a9}"
static const WCHAR *const linkNames[BOARD_COUNT] = {LINK(0), LINK(1), LINK(2)};

static NTSTATUS complete(IRP *irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static ULONG textLength(const char *text) {
    ULONG n = 0;
    while (text[n] != 0) ++n;
    return n;
}

static ULONG copyText(char *to, ULONG room, const char *from, ULONG length) {
    const ULONG n = length < room ? length : room;
    RtlCopyMemory(to, from, n);
    return n;
}

static NTSTATUS NTAPI openOrClose(DEVICE_OBJECT *device, IRP *irp) {
    (void)device;
    return complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI request(DEVICE_OBJECT *device, IRP *irp) {
    Board *board = (Board *)device->DeviceExtension;
    IO_STACK_LOCATION *stack = IoGetCurrentIrpStackLocation(irp);
    char *buffer = (char *)irp->AssociatedIrp.SystemBuffer;
    const ULONG in = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG out = stack->Parameters.DeviceIoControl.OutputBufferLength;
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_READ_NAME:
        return complete(irp, STATUS_SUCCESS, copyText(buffer, out, board->name, board->nameLength));
    case IOCTL_READ_SERIAL:
        return complete(irp, STATUS_SUCCESS, copyText(buffer, out, board->serial, board->serialLength));
    case IOCTL_WRITE_NAME:
        if (in > NAME_BYTES) return complete(irp, STATUS_INVALID_PARAMETER, 0);
        board->nameLength = copyText(board->name, NAME_BYTES, buffer, in);
        return complete(irp, STATUS_SUCCESS, 0);
    default:
        return complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

static void NTAPI unload(DRIVER_OBJECT *driver) {
    for (int i = 0; i < BOARD_COUNT; ++i) {
        UNICODE_STRING link;
        RtlInitUnicodeString(&link, linkNames[i]);
        IoDeleteSymbolicLink(&link);
    }
    while (driver->DeviceObject != NULL) IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT *driver, UNICODE_STRING *registryPath) {
    (void)registryPath;
    driver->MajorFunction[IRP_MJ_CREATE] = openOrClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = openOrClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = request;
    driver->DriverUnload = unload;
    for (int i = 0; i < BOARD_COUNT; ++i) {
        UNICODE_STRING deviceName;
        RtlInitUnicodeString(&deviceName, deviceNames[i]);
        DEVICE_OBJECT *device = NULL;
        NTSTATUS status = IoCreateDevice(driver, sizeof(Board), &deviceName, FILE_DEVICE_UNKNOWN, 0,
                                         FALSE, &device);
        if (!NT_SUCCESS(status)) {
            unload(driver);
            return status;
        }
        Board *board = (Board *)device->DeviceExtension;
        board->nameLength = textLength(boardNames[i]);
        RtlCopyMemory(board->name, boardNames[i], board->nameLength);
        board->serialLength = textLength(boardSerials[i]);
        RtlCopyMemory(board->serial, boardSerials[i], board->serialLength);
        device->Flags |= DO_BUFFERED_IO;
        device->Flags &= ~DO_DEVICE_INITIALIZING;

        UNICODE_STRING link;
        RtlInitUnicodeString(&link, linkNames[i]);
        status = IoCreateSymbolicLink(&link, &deviceName);
        if (!NT_SUCCESS(status)) {
            unload(driver);
            return status;
        }
    }
    return STATUS_SUCCESS;
}
