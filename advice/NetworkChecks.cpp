// The device's own IPv4 address, mask, gateway and DNS server.
#include <cstdint>
#include <optional>

#include "advice/Findings.h"
#include "advice/StationValues.h"

namespace korvex {

namespace {

// Four octets as one number; nullopt when an octet is not a number of 0 to 255.
std::optional<uint32_t> address(const Settings& settings, std::string_view stem) {
    uint32_t value = 0;
    for (int octet = 0; octet < 4; ++octet) {
        const auto number = storedNumber(settings, std::string(stem) + std::to_string(octet));
        if (!number || *number < 0 || *number > 255) {
            return std::nullopt;
        }
        value = (value << 8) | static_cast<uint32_t>(*number);
    }
    return value;
}

std::string dotted(uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 0xFF) + "." +
           std::to_string((value >> 8) & 0xFF) + "." + std::to_string(value & 0xFF);
}

// The prefix length of a contiguous mask, nullopt for any other.
std::optional<int> prefixLength(uint32_t mask) {
    const uint32_t hosts = ~mask;
    if ((hosts & (hosts + 1)) != 0) {
        return std::nullopt;
    }
    int length = 0;
    for (uint32_t bit = 0x80000000u; bit != 0 && (mask & bit); bit >>= 1) {
        ++length;
    }
    return length;
}

struct ReservedBlock {
    uint32_t first;
    int length;
    std::string_view name;
};

constexpr ReservedBlock kReservedBlocks[] = {
    {0x00000000u, 8, "0.0.0.0/8 (this network)"},
    {0x7F000000u, 8, "127.0.0.0/8 (loopback)"},
    {0xE0000000u, 4, "224.0.0.0/4 (multicast)"},
    {0xF0000000u, 4, "240.0.0.0/4 (reserved)"},
};

uint32_t maskOf(int length) {
    return length == 0 ? 0 : ~uint32_t{0} << (32 - length);
}

const std::vector<std::string> kAddress = {"Ipaddr0", "Ipaddr1", "Ipaddr2", "Ipaddr3"};
const std::vector<std::string> kMask = {"Ipmask0", "Ipmask1", "Ipmask2", "Ipmask3"};
const std::vector<std::string> kGateway = {"Ipgate0", "Ipgate1", "Ipgate2", "Ipgate3"};
const std::vector<std::string> kDns = {"Ipdns0", "Ipdns1", "Ipdns2", "Ipdns3"};

}  // namespace

void checkNetwork(const Settings& settings, Findings& found) {
    const auto own = address(settings, "Ipaddr");
    const auto mask = address(settings, "Ipmask");
    const auto gateway = address(settings, "Ipgate");
    const auto dns = address(settings, "Ipdns");

    bool reserved = false;
    if (own) {
        for (const ReservedBlock& block : kReservedBlocks) {
            if ((*own & maskOf(block.length)) == block.first) {
                found.add("network-address-reserved", kAddress,
                          {dotted(*own), std::string(block.name)});
                reserved = true;
            }
        }
    }
    std::optional<int> length;
    if (mask) {
        length = prefixLength(*mask);
        if (!length) {
            found.add("network-mask-not-contiguous", kMask, {dotted(*mask)});
        } else if (*length == 0 || *length >= 31) {
            const std::string_view why =
                *length == 0 ? "takes every address for the local network: no gateway is ever used"
                : *length == 31 ? "holds two addresses, which only a point-to-point link can use"
                                : "holds the device alone: no gateway can be reached";
            found.add("network-mask-size", kMask, {std::to_string(*length), std::string(why)});
        }
    }
    const bool usableSubnet = length && *length > 0 && *length <= 30;
    if (own && usableSubnet && !reserved) {
        const uint32_t hostBits = ~maskOf(*length);
        const std::string subnet = dotted(*own & ~hostBits) + "/" + std::to_string(*length);
        if ((*own & hostBits) == 0) {
            found.add("network-address-subnet-edge", kAddress, {dotted(*own), "network"});
        } else if ((*own & hostBits) == hostBits) {
            found.add("network-address-subnet-edge", kAddress, {dotted(*own), "broadcast"});
        }
    }
    if (own && gateway) {
        if (*gateway == *own) {
            found.add("network-gateway-is-address", kGateway);
        } else if (usableSubnet && ((*gateway ^ *own) & maskOf(*length)) != 0) {
            found.add(
                "network-gateway-outside", kGateway,
                {dotted(*gateway), dotted(*own & maskOf(*length)) + "/" + std::to_string(*length)});
        }
    }
    if (dns && *dns == 0) {
        found.add("network-dns-zero", kDns);
    }
}

}  // namespace korvex
