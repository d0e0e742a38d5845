// Per-pixel Phong lighting (vs_2_0 / ps_2_0).
float4x4 WorldViewProjection;
float4x4 World;
float3 LightDirection;
float4 DiffuseColor = float4(1.0, 1.0, 1.0, 1.0);
float SpecularPower = 32.0;
texture DiffuseMap;

sampler2D DiffuseSampler = sampler_state
{
    Texture = <DiffuseMap>;
};

struct VertexInput
{
    float4 position : POSITION;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
};

struct VertexOutput
{
    float4 position : POSITION;
    float2 uv : TEXCOORD0;
    float3 normal : TEXCOORD1;
};

VertexOutput MainVS(VertexInput input)
{
    VertexOutput output;
    output.position = mul(input.position, WorldViewProjection);
    output.normal = mul(input.normal, (float3x3)World);
    output.uv = input.uv;
    return output;
}

float4 MainPS(VertexOutput input) : COLOR0
{
    float3 n = normalize(input.normal);
    float3 r = reflect(-LightDirection, n);
    float diffuse = saturate(dot(n, LightDirection));
    float specular = pow(saturate(r.z), SpecularPower); /* view along z */
    return tex2D(DiffuseSampler, input.uv) * DiffuseColor * diffuse + specular;
}

technique Phong
{
    pass P0
    {
        VertexShader = compile vs_2_0 MainVS();
        PixelShader = compile ps_2_0 MainPS();
    }
}
