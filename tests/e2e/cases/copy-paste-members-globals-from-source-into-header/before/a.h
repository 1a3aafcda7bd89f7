#pragma once

